// The tune. Loaded once at start-up; every play starts it again from its beginning, once,
// without blocking. Without an audio device the game says so once and stays silent.
#pragma once

// Opens the audio device and loads the tune. Returns false (after one warning on stderr) when
// either fails; PlayTune then does nothing.
bool LoadTune(const char* path);

// Stops whatever plays and starts the tune from its beginning, once.
void PlayTune();

// True while the tune is loaded and an audio device is open.
bool TuneReady();

// How many times PlayTune started the tune (tests).
int TunePlayCount();

// Closes the audio device and releases the tune.
void CloseTune();
