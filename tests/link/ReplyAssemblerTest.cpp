#include "Bytes.h"
#include "QtPrinters.h"
#include "link/ReplyAssembler.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

using namespace brivel;
using brivel::test::bytes;

namespace {

// How a reply is gathered: the first piece read for its own length field
// (as after a poll or a command) or every piece measured on the whole.
enum class First { OwnLength, Measured };

struct AssemblyCase {
    const char* name;
    First first;
    std::vector<QByteArray> pieces;
    int expectedLength;
    bool whole;
};

class Assembly : public ::testing::TestWithParam<AssemblyCase> {};

TEST_P(Assembly, PiecesMakeAReplyWhenTheyMeetTheAnnouncedLength)
{
    const AssemblyCase& c = GetParam();
    ReplyAssembler reply;
    QByteArray all;
    for (std::size_t i = 0; i < c.pieces.size(); ++i) {
        if (i == 0 && c.first == First::OwnLength)
            reply.appendFirst(c.pieces[i]);
        else
            reply.append(c.pieces[i]);
        all += c.pieces[i];
    }
    EXPECT_EQ(reply.bytes(), all);
    EXPECT_EQ(reply.expectedLength(), c.expectedLength);
    EXPECT_EQ(reply.isWhole(), c.whole);
}

INSTANTIATE_TEST_SUITE_P(
    ReplyAssembler, Assembly,
    ::testing::Values(
        AssemblyCase{
            "WholeInOnePiece", First::OwnLength, {bytes({0xAA, 0x00, 0x05, 0x55, 0x01})}, 5, true},
        AssemblyCase{"InTwoPieces",
                     First::OwnLength,
                     {bytes({0xAA, 0x00, 0x06}), bytes({0x55, 0x01, 0x02})},
                     6,
                     true},
        AssemblyCase{"NotYetWhole",
                     First::OwnLength,
                     {bytes({0xAA, 0x00, 0x06, 0x55}), bytes({0x01})},
                     6,
                     false},
        AssemblyCase{"PastItsLengthNeverWhole",
                     First::OwnLength,
                     {bytes({0xAA, 0x00, 0x04, 0x55}), bytes({0x01})},
                     4,
                     false},
        // The first piece's own field counts whatever its lead byte.
        AssemblyCase{
            "FirstPieceWithoutLead", First::OwnLength, {bytes({0x00, 0x00, 0x03})}, 3, true},
        AssemblyCase{
            "FirstPieceTooShortForTheField", First::OwnLength, {bytes({0xAA, 0x00})}, 0, false},
        // Measured on the whole, a length needs the lead byte and a fourth byte.
        AssemblyCase{"MeasuredWithoutLeadHasNoLength",
                     First::Measured,
                     {bytes({0x00, 0x00, 0x03}), bytes({0x55})},
                     0,
                     false},
        AssemblyCase{"MeasuredOnceFourBytesArrived",
                     First::Measured,
                     {bytes({0xAA, 0x00}), bytes({0x06, 0x66}), bytes({0x01, 0x02})},
                     6,
                     true},
        AssemblyCase{"ThreeBytesAnnounceNothingYet",
                     First::Measured,
                     {bytes({0xAA, 0x00, 0x03})},
                     0,
                     false}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(ReplyAssembler, StopsGrowingPastAnyLengthAndStartsAfreshWhenCleared)
{
    ReplyAssembler reply;
    reply.appendFirst(bytes({0xAA, 0xFF, 0xFF, 0x55}));
    reply.append(QByteArray(70000, '\x01'));
    EXPECT_EQ(reply.bytes().size(), ReplyAssembler::MaxSize);
    EXPECT_FALSE(reply.isWhole());
    reply.append(bytes({0x02}));
    EXPECT_EQ(reply.bytes().size(), ReplyAssembler::MaxSize);

    reply.clear();
    EXPECT_TRUE(reply.bytes().isEmpty());
    EXPECT_EQ(reply.expectedLength(), 0);
    EXPECT_FALSE(reply.isWhole());
}

TEST(ReplyAssembler, DeadlineGrowsWithTheAnnouncedLengthUpToAFewSeconds)
{
    struct Case {
        std::optional<int> length;
        int ms;
    };
    // A whole reply time-out, plus twice the line's time for the reply.
    for (const Case& c : {Case{std::nullopt, 5000}, Case{0, 5000}, Case{1, 3004}, Case{57, 3160},
                          Case{602, 4674}, Case{720, 5000}, Case{0xFFFF, 5000}})
        EXPECT_EQ(ReplyAssembler::deadlineMs(c.length), c.ms) << c.length.value_or(-1);

    ReplyAssembler reply;
    EXPECT_EQ(reply.deadlineMs(), 5000);
    reply.appendFirst(bytes({0xAA, 0x00, 57}));
    EXPECT_EQ(reply.deadlineMs(), 3160);
}

}  // namespace
