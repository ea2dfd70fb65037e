#include "linktable.h"

std::string linkAddress(const LinkControl &link)
{
    const std::string_view host = link.host == LinkHost::Results ? resultsHost : sponsorHost;
    return std::string("http://").append(host).append(link.path);
}
