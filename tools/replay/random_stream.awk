# Random play for escape-house-replay: a seeded stream of commands that a careless player, a
# window manager and a jumpy clock could produce together. The same seed and count always give
# the same stream, whatever awk runs it: the generator is the Park-Miller "minimal standard"
# (16807 x mod 2^31 - 1), whose products stay exact in awk's double-precision numbers.
#
#   awk -v seed=7 -v count=100000 -f random_stream.awk > play.replay
#
# The stream holds keys (walking, turning, Enter, Esc, Space and any other byte; movement keys
# held down and released, or left held, while the clock runs), left, right
# and middle presses anywhere in and around the window (weighted towards the icon bar, the
# keypad and the screens' buttons), frames, clock jumps from nothing to far past the three
# minutes, and window sizes from 0 by 0 up to 4000 by 3000. Left presses never land on the
# end screen's quit button, which would end the run early; everything else is fair. The last
# command prints the state, so a caller can tell that the whole stream was played.

function next_random() {
    state = (16807 * state) % 2147483647
    return state
}

# A whole number from 0 to n - 1.
function pick(n) {
    return next_random() % n
}

# A whole number from low to high, both included.
function between(low, high) {
    return low + pick(high - low + 1)
}

# Whole percent of the window, truncated towards zero, as the screens' buttons count them.
function percent(pixel, size) {
    return int(pixel / size * 100.0)
}

function on_quit_button(x, y) {
    if (width <= 0 || height <= 0) return 0
    px = percent(x, width)
    py = percent(y, height)
    return px >= 69 && px <= 83 && py >= 72 && py <= 81
}

# One command of the stream; the stream ends when the count is reached.
function out(line) {
    if (left <= 1) return
    print line
    --left
}

# Mostly purposeful walks (a turn, then a run of steps, so the player gets about the house and
# down the stairs), sometimes single keys of every kind.
function emit_key(    roll, turns, steps, i, key) {
    roll = pick(100)
    if (roll < 15) {
        turns = pick(23)
        key = pick(2) ? "a" : "d"
        for (i = 0; i < turns; ++i) out("key " key)
        steps = between(2, 25)
        for (i = 0; i < steps; ++i) out("key w")
    } else if (roll < 40) out("key w")
    else if (roll < 50) out("key s")
    else if (roll < 62) out("key a")
    else if (roll < 74) out("key d")
    else if (roll < 80) out("key " substr("WSAD", between(1, 4), 1))
    else if (roll < 82) out("key space")
    else if (roll < 86) out("key enter")
    else if (roll < 91) out("key esc")
    else if (roll < 96) out((pick(2) ? "down " : "up ") held_keys[between(1, 6)])
    else out("key " pick(256))
}

# A press position: anywhere round the window, or near the places that take presses.
function choose_position(    roll, w, h) {
    w = width > 0 ? width : 800
    h = height > 0 ? height : 600
    roll = pick(100)
    if (roll < 35) {
        x = between(-40, w + 40)
        y = between(-40, h + 40)
    } else if (roll < 60) {
        # the icon bar, 180 by 100 pixels in the top-right corner
        x = w - 180 + between(0, 179)
        y = between(0, 99)
    } else if (roll < 75) {
        # the keypad panel, whose origin is 300 pixels left of the right edge, 400 down
        x = w - 300 + between(0, 299)
        y = 400 - between(0, 399)
    } else if (roll < 88) {
        # the start button: 40 to 60 % across, 65 to 75 % down
        x = int(w * between(40, 60) / 100)
        y = int(h * between(65, 75) / 100)
    } else {
        # the back button: 16 to 30 % across, 72 to 81 % down
        x = int(w * between(16, 30) / 100)
        y = int(h * between(72, 81) / 100)
    }
}

function emit_click(    roll, button) {
    roll = pick(100)
    button = roll < 65 ? "left" : roll < 85 ? "right" : "middle"
    choose_position()
    if (button == "left" && on_quit_button(x, y)) x = int(x / 2)
    out("click " button " " x " " y)
}

# Mostly the idle callback's own pace; now and then a jump, rarely far past the three minutes.
function emit_advance(    roll) {
    roll = pick(100)
    if (roll < 75) out("advance " pick(1100))
    else if (roll < 95) out("advance " between(1000, 10000))
    else if (roll < 99) out("advance " between(10000, 60000))
    else out("advance " between(60000, 1000000))
}

# Sizes from nothing to far larger than any screen. A large window costs a software renderer
# much per frame, so it is given back within a few commands.
function emit_resize(    roll) {
    roll = pick(100)
    if (roll < 12) { width = 0; height = 0 }
    else if (roll < 20) { width = between(0, 1); height = between(0, 1) }
    else if (roll < 28) { width = pick(2) ? 0 : between(1, 800); height = width ? 0 : between(1, 600) }
    else if (roll < 45) { width = between(1, 200); height = between(1, 150) }
    else if (roll < 65) { width = 800; height = 600 }
    else if (roll < 90) { width = between(200, 1600); height = between(150, 1200) }
    else if (roll < 95) { width = 4000; height = 3000 }
    else { width = between(1600, 4000); height = between(1200, 3000) }
    out("resize " width " " height)
    large_left = width * height > 1600 * 1200 ? between(2, 8) : -1
}

BEGIN {
    if (count == "") count = 1000
    if (seed == "") seed = 1
    state = (seed % 2147483646) + 1
    # Mix the seed in before the first use: nearby seeds start far apart.
    for (i = 0; i < 8; ++i) next_random()
    width = 800
    height = 600
    large_left = -1
    left = count
    split("w a s d left-arrow up-arrow", held_keys, " ")
    while (left > 1) {
        if (large_left == 0) {
            width = 800
            height = 600
            out("resize 800 600")
            large_left = -1
            continue
        }
        if (large_left > 0) --large_left
        roll = pick(100)
        if (roll < 30) emit_key()
        else if (roll < 70) emit_click()
        else if (roll < 82) out("frame")
        else if (roll < 95) emit_advance()
        else emit_resize()
    }
    print "state"
}
