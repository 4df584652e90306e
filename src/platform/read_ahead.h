// Start-up's reading done ahead: while the main thread opens the window and builds textures, a
// second thread reads and decodes the files start-up is about to load, in the order it will
// load them. Each loader asks here first and does its own reading only for what was not read
// ahead, and it reports what it finds, or ends the game, when its turn comes, exactly as when
// it reads itself: the messages keep their order and the failures their moment.
#pragma once

#include <functional>  // Required for: std::function
#include <memory>      // Required for: std::shared_ptr
#include <string>      // Required for: std::string
#include <utility>     // Required for: std::move()
#include <vector>      // Required for: std::vector

struct ReadAheadJob {
    std::string key;                              // what the loader will ask for, such as a path
    std::function<std::shared_ptr<void>()> work;  // runs on the read-ahead thread
};

// Starts the thread on the jobs, which it runs one after the other. Once per process; the
// thread ends after the last job and is never waited for, so a game that ends early does not
// wait for the rest of the reading.
void StartReadingAhead(std::vector<ReadAheadJob> jobs);

// The outcome of the first job for `key` not yet taken, waiting for it when it is still being
// read; nullptr when there is none (nothing read ahead, or asked on the read-ahead thread).
std::shared_ptr<void> TakeReadAhead(const std::string& key);

// A job for `key` whose work fills in a fresh Outcome; TakeReadAheadAs<Outcome> gives it back.
template <typename Outcome, typename Fill>
ReadAheadJob ReadAheadJobOf(std::string key, Fill fill) {
    return {std::move(key), [fill] {
                auto outcome = std::make_shared<Outcome>();
                fill(*outcome);
                return std::shared_ptr<void>(std::move(outcome));
            }};
}

// TakeReadAhead with the type the loader knows the job made.
template <typename Outcome>
std::shared_ptr<Outcome> TakeReadAheadAs(const std::string& key) {
    return std::static_pointer_cast<Outcome>(TakeReadAhead(key));
}
