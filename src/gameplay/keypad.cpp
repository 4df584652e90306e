// The keypad panel's rules: the key layout, presses, the entry and the combination check.
// Drawing and pictures are in keypad_draw.cpp.
#include "gameplay/keypad.h"

#include <algorithm>  // Required for: std::copy(), std::fill()
#include <iterator>   // Required for: std::begin(), std::end()

#include "gameplay/item_use.h"
#include "gameplay/keypad_code.h"
#include "world/wall_layout.h"

namespace {

constexpr int kCloseKey = 0;
// The panel covers the bookcase as it slides: a word says what happened and where to go, or a
// player who was standing back sees only that the bookcase has gone.
constexpr const char* kBookcaseOpenLine =
    "书柜移开了，后面有一间密室　The bookcase slid aside: a room lies behind it";
constexpr ClockTicks kBookcaseOpenLineTicks = 4000;
// How long a verdict on the code stays in view: long enough to be seen, and the frame drawn by
// the countdown's next second or two takes it away.
constexpr ClockTicks kVerdictTicks = 1500;
constexpr int kCodeLength = 4;
// The press that opens the panel is counted but never entered: digits come from the second on.
constexpr std::uint8_t kPressesBeforeDigits = 2;

}  // namespace

void KeypadPanel::Init() {
    std::copy(std::begin(kKeypadKeys), std::end(kKeypadKeys), cells);
    verdict = Verdict::kNone;
    std::fill(std::begin(refusedDigits), std::end(refusedDigits), 0);
    shown = 0;
    pressCount = 0;
    std::fill(std::begin(digits), std::end(digits), 0);
    digitCount = 0;
    lastDigit = -1;
    bookcaseOffset = 0.0f;
}

// On a shared edge the lower index wins, so the close key owns the top of its cell.
int KeypadPanel::HitTest(float px, float py) const {
    for (int cell = 0; cell < 10; ++cell) {
        const Cell& c = cells[cell];
        if (px >= c.xMin && px <= c.xMax && py >= c.yMin && py <= c.yMax) return cell;
    }
    return -1;
}

// The digit itself reaches its slot when the panel is next drawn.
void KeypadPanel::EnterDigit(int hit) {
    if (hit < 1 || hit > 9) return;
    verdict = Verdict::kNone;
    lastDigit = hit;
    digitCount += 1;
    if (digitCount > kCodeLength) {
        digitCount = 1;
        std::fill(std::begin(digits), std::end(digits), 0);
    }
}

void KeypadPanel::HandlePress(float x, float y) {
    shown = 1;
    const int hit = HitTest(x, y);
    if (pressCount < kPressesBeforeDigits) ++pressCount;
    if (pressCount == kPressesBeforeDigits) EnterDigit(hit);
    // Closing keeps the slots and the last digit; the next entry overwrites them from slot 1.
    if (hit == kCloseKey) {
        shown = 0;
        digitCount = 0;
        pressCount = 0;
    }
}

bool KeypadPanel::CheckEntry() {
    digits[digitCount] = lastDigit;
    bool accepted = true;
    for (int slot = 1; slot <= kCodeLength; ++slot) {
        if (digits[slot] != kKeypadCode[slot - 1]) accepted = false;
    }
    if (accepted) {
        bookcaseOffset = kBookcaseOpenOffset;
        shown = 0;
        OpenBookcasePassage();
        ShowHouseLine(kBookcaseOpenLine, kBookcaseOpenLineTicks);
        verdict = Verdict::kAccepted;
        verdictUntil = GameClock() + kVerdictTicks;
        return true;
    }
    if (digitCount == kCodeLength) {
        // Every frame of an open panel checks the entry again: the refusal's moment starts on
        // the first that finds the four wrong digits, and the next digit ends it. The player
        // sees what was refused meanwhile, though the slots are already cleared.
        if (verdict != Verdict::kRefused) {
            verdict = Verdict::kRefused;
            verdictUntil = GameClock() + kVerdictTicks;
            std::copy(digits + 1, digits + 1 + kCodeLength, refusedDigits);
        }
        std::fill(std::begin(digits), std::end(digits), 0);
    }
    return false;
}

bool KeypadPanel::ShowsAcceptance() const {
    return verdict == Verdict::kAccepted && GameClock() < verdictUntil;
}

bool KeypadPanel::ShowsRefusal() const {
    return verdict == Verdict::kRefused && GameClock() < verdictUntil;
}

int KeypadPanel::DigitShown(int cell) const {
    if (cell < 0 || cell >= digitCount || cell >= kCodeLength) return 0;
    const int digit = digits[cell + 1];
    if (digit >= 1 && digit <= 9) return digit;
    return ShowsRefusal() ? refusedDigits[cell] : 0;
}

void KeypadPanel::Reset() {
    verdict = Verdict::kNone;
    std::fill(std::begin(refusedDigits), std::end(refusedDigits), 0);
    shown = 0;
    pressCount = 0;
    std::fill(std::begin(digits), std::end(digits), 0);
    digitCount = 0;
    lastDigit = -1;
    bookcaseOffset = 0.0f;
}
