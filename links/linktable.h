#pragma once

#include <array>
#include <string>
#include <string_view>

// The link controls and the web addresses behind them: plain HTTP, ASCII, no
// port, query or fragment. Every element of Label9 opens the results page;
// each picture opens the address of the label beside it.

enum class LinkHost
{
    Results,
    Sponsor
};

inline constexpr std::string_view resultsHost = "www.state-lottery-results.example";
inline constexpr std::string_view sponsorHost = "clicks.sponsor-network.example";

// Clicks on a control of its own reach a handler of their own; the elements
// of the Label9 array share one handler, which is given the element's index.
inline constexpr int ownHandler = -1;

struct LinkControl
{
    std::string_view name; // the control's object name
    int element;           // its index in the Label9 array, or ownHandler
    LinkHost host;
    std::string_view path;
};

inline constexpr std::array<LinkControl, 14> linkControls = {{
    {"Label9(0)", 0, LinkHost::Results, "/"},
    {"Label9(2)", 2, LinkHost::Results, "/"},
    {"Label10", ownHandler, LinkHost::Sponsor, "/click-453032-7753578"},
    {"Label11", ownHandler, LinkHost::Sponsor, "/click-453032-878810"},
    {"Label12", ownHandler, LinkHost::Sponsor, "/click-453032-171881"},
    {"Label13", ownHandler, LinkHost::Sponsor, "/click-453032-2677985"},
    {"Label14", ownHandler, LinkHost::Sponsor, "/click-453032-535706"},
    {"Label15", ownHandler, LinkHost::Sponsor, "/click-453032-1635350"},
    {"Label16", ownHandler, LinkHost::Sponsor, "/click-453032-1471217"},
    {"Label17", ownHandler, LinkHost::Sponsor, "/click-453032-8417660"},
    {"Label18", ownHandler, LinkHost::Sponsor, "/click-453032-2337316"},
    {"Picture1", ownHandler, LinkHost::Sponsor, "/click-453032-1471217"},
    {"Picture2", ownHandler, LinkHost::Sponsor, "/click-453032-8417660"},
    {"Picture3", ownHandler, LinkHost::Sponsor, "/click-453032-2337316"},
}};

// The whole address: the scheme, the row's host and its path.
std::string linkAddress(const LinkControl &link);
