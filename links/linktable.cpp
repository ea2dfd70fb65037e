#include "linktable.h"

std::string linkAddress(std::string_view control)
{
    for (const LinkRow &row : linkTable) {
        if (row.control == control) {
            const std::string_view host = row.host == LinkHost::Results ? resultsHost : sponsorHost;
            return std::string("http://").append(host).append(row.path);
        }
    }
    return {};
}
