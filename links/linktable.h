#pragma once

#include <array>
#include <string>
#include <string_view>

// The web addresses behind the link labels and the sponsor pictures: plain
// HTTP, ASCII, no port, query or fragment. Every element of Label9 opens the
// results page; each picture opens the address of the label beside it.

enum class LinkHost
{
    Results,
    Sponsor
};

inline constexpr std::string_view resultsHost = "www.state-lottery-results.example";
inline constexpr std::string_view sponsorHost = "clicks.sponsor-network.example";

struct LinkRow
{
    std::string_view control;
    LinkHost host;
    std::string_view path;
};

inline constexpr std::array<LinkRow, 13> linkTable = {{
    {"Label9", LinkHost::Results, "/"},
    {"Label10", LinkHost::Sponsor, "/click-453032-7753578"},
    {"Label11", LinkHost::Sponsor, "/click-453032-878810"},
    {"Label12", LinkHost::Sponsor, "/click-453032-171881"},
    {"Label13", LinkHost::Sponsor, "/click-453032-2677985"},
    {"Label14", LinkHost::Sponsor, "/click-453032-535706"},
    {"Label15", LinkHost::Sponsor, "/click-453032-1635350"},
    {"Label16", LinkHost::Sponsor, "/click-453032-1471217"},
    {"Label17", LinkHost::Sponsor, "/click-453032-8417660"},
    {"Label18", LinkHost::Sponsor, "/click-453032-2337316"},
    {"Picture1", LinkHost::Sponsor, "/click-453032-1471217"},
    {"Picture2", LinkHost::Sponsor, "/click-453032-8417660"},
    {"Picture3", LinkHost::Sponsor, "/click-453032-2337316"},
}};

// The address of a link control, by its name without element index; empty for
// a control that has no link.
std::string linkAddress(std::string_view control);
