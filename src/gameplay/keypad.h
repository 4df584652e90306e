// The keypad panel by the bookcase: nine digit keys and a close key over the house view; the
// right four digits slide the bookcase aside and open the passage behind it.
#pragma once

#include <cstdint>  // Required for: std::uint8_t

#include "hud/overlay_layout.h"
#include "platform/clock.h"

// The pick box of the keypad on the bookcase: picking it opens the panel.
inline constexpr int kKeypadPickBox = 15;
// The bookcase's z offset once the combination is accepted.
inline constexpr float kBookcaseOpenOffset = -1.5f;

class KeypadPanel {
public:
    using Cell = PanelRect;  // panel coordinates

    // Cells, flags and entry to their start values.
    void Init();
    // The panel picture and the nine digit pictures as textures.
    void LoadPictures();
    static const char* const kPictureFiles[10];  // data-set paths: the panel, digits 1 to 9
    // The first cell (0 close, 1-9 digits) holding the panel point, bounds included; -1 none.
    int HitTest(float x, float y) const;
    // Takes a hit result; only 1 to 9 enter a digit.
    void EnterDigit(int hit);
    // A left press at panel point (x, y) while shown or on the keypad's pick box.
    void HandlePress(float x, float y);
    // Stores the last digit into slot digitCount and checks the combination (GL-free part of
    // the draw): accepted, the bookcase slides and the passage opens; refused with four digits,
    // the slots are cleared. True when the combination was accepted on this call.
    bool CheckEntry();
    // Draws the panel where the window's layout puts it: while shown, with the entry so far
    // (checked by the frame's rules first); after an accepted code, with the sign that it was
    // accepted.
    void Draw(const OverlayLayout& layout);
    // Panel hidden, entry cleared, bookcase back at 0.
    void Reset();
    // Whether the panel still shows, for a moment after the code was accepted, that it was.
    bool ShowsAcceptance() const;
    // Whether the panel is on screen: open, or closed a moment ago by an accepted code.
    bool InView() const { return shown != 0 || ShowsAcceptance(); }
    // Whether the panel still shows, for a moment after four wrong digits, that they were.
    bool ShowsRefusal() const;
    // The digit the display shows in its cell 0 to 3 now, 0 for a blank cell: the entry so far,
    // and the refused four for the moment the refusal shows; emptied slots stay blank.
    int DigitShown(int cell) const;

    Cell cells[10] = {};
    float bookcaseOffset = 0.0f;  // shared as g_bookcaseOffset
    std::uint8_t shown = 0;       // shared as g_keypadShown
    std::uint8_t pressCount = 0;  // a press enters a digit only once this reaches 2
    int digits[5] = {};           // slot 0 scratch, slots 1-4 the entry, 0 empty
    int digitCount = 0;
    int lastDigit = -1;
    unsigned int textures[10] = {};  // 0 the panel, d the digit d
    // The last verdict on four digits, shown on the panel for a moment: the accepted code on the
    // closed panel, or the refusal on the open one.
    enum class Verdict : std::uint8_t { kNone, kAccepted, kRefused };
    Verdict verdict = Verdict::kNone;
    ClockTicks verdictUntil = 0;  // the verdict shows until then
    int refusedDigits[4] = {};    // the four digits last refused, shown with the refusal
};
