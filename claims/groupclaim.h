#pragma once

#include <string_view>

// How a state's lottery pays a prize won by a group, as its rules and pages
// say, with where that was read and when it was last checked against it.
// A state not in the table reads "ask the lottery".
struct GroupClaim
{
    enum class Way
    {
        Representative, // one member claims for all, with Form 5754
        ClubTaxNumber,  // the club's own tax number, and the lottery's substitute 5754
        FormEachMember, // one signs the ticket, each member sends a claim form
        SplitOnRequest, // one check, or a check each where the group asks
        PaidApart,      // each member paid apart, up to a number of them
        AskTheLottery   // not known
    };

    std::string_view code; // "MI"
    Way way = Way::AskTheLottery;
    std::string_view says;   // what a group does, in a sentence
    std::string_view source; // the rule or page it is read from
    int checked = 0;         // yyyymmdd, the day it was last checked against its source
};

// The way of a state by its two letters, whatever their case; the table's
// "ask the lottery" for one it does not know.
const GroupClaim &GroupClaimOf(std::string_view code);
