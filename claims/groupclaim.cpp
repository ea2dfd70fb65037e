#include "groupclaim.h"

#include <array>

namespace {

using Way = GroupClaim::Way;

constexpr int checked = 20261209;
constexpr std::string_view form5754 =
    "one member claims for the group and gives the Lottery Form 5754, which lists each member's "
    "share";

// What the states' rules and lotteries say of a prize won by a group
// (README, "Pools").
constexpr auto ways = std::to_array<GroupClaim>({
    {"NY", Way::Representative,
     "the Lottery deals only with the bearer: one member claims for the group and gives Form 5754",
     "9 NYCRR 5008.5(a)", checked},
    {"CA", Way::PaidApart,
     "one member claims with forms CSL 1242 and 5754; an annuity, or SuperLotto Plus cash, may be "
     "paid to each member apart, for up to 100 members",
     "California Lottery, Multiple Ownership Claim Form and FAQ", checked},
    {"TX", Way::Representative,
     "a group may play, but one person or legal entity claims: that member gives Form 5754",
     "Texas Lottery, group play, as a third party quotes it", checked},
    {"FL", Way::Representative, "claimant \"Individual claiming for a group\", with Form 5754",
     "Florida Lottery, Winner Claim Form DOL 173-2", checked},
    {"MI", Way::ClubTaxNumber,
     "a lottery club gets its own Employer Identification Number (Form SS-4) before claiming, and "
     "files the Lottery's Substitute 5754",
     "Michigan Lottery, claims FAQ", checked},
    {"NJ", Way::SplitOnRequest,
     "one check to the group's representative unless a document asking for a split is sent with "
     "the claim form",
     "N.J.A.C. 17:20-7.4(b)", checked},
    {"AZ", Way::FormEachMember,
     "the group names one member to sign the ticket, and each member sends a claim form of their "
     "own for their part",
     "Ariz. Admin. Code R19-3-406(C)", checked},
    {"SD", Way::Representative,
     "paid to the player who signed the ticket, or to the one a release signed by all names",
     "ARSD 48:01:04:15", checked},
    {"LA", Way::Representative, form5754, "La. Admin. Code tit. 42, XV-123", checked},
    {"IN", Way::Representative, form5754, "65 IAC 8-3-4(b)", checked},
    {"ME", Way::SplitOnRequest,
     "paid to several members where each signs that they know the others' shares",
     "18-553 CMR ch. 10, s. 17(3)", checked},
});

constexpr GroupClaim unknown{
    {},
    Way::AskTheLottery,
    "ask the lottery how a group claims: one member usually claims for all and gives Form 5754",
    "no rule of this state's is known to Ticketwise",
    checked};

char upper(char c)
{
    return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c;
}

} // namespace

const GroupClaim &GroupClaimOf(std::string_view code)
{
    for (const GroupClaim &way : ways) {
        if (code.size() == 2 && upper(code[0]) == way.code[0] && upper(code[1]) == way.code[1])
            return way;
    }
    return unknown;
}
