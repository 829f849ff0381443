// State shared by every screen: the practice clock, question time stamps,
// the patient name, the Tracking mode and every exercise's scores.
#pragma once

#include "shell/vb_runtime.h"

#include <QString>
#include <functional>

namespace ModDODI {

// When the practice period began, in seconds on the practice clock.
extern double PracticeStart;
extern Single ElapsedMinutes;
extern Single ElapsedSeconds;
extern Single ElapsedTotalSeconds;
extern Integer ReadyToStart;
extern Single QuestionShownAt;
extern Single AnswerGivenAt;
extern QString PatientName;
extern Integer ApiResult;
extern Integer TrackNumbersLetters;
extern Integer TrackSequences;

// Plays a WAV file asynchronously, with no fallback sound. The name may carry
// any folder ("<dir>\Ding.wav"): the file is looked up by its own name.
// Returns True when it plays, False (silently) when it cannot be found.
Integer PlaySoundFile(const QString& FileName);
// Loads a sound file ahead (looked up as PlaySoundFile does), so that its
// first play starts on time. Returns True when it can be played.
Integer PreloadSoundFile(const QString& FileName);

// The practice clock now, in seconds: the platform's monotonic clock, so a
// practice that runs past midnight (when Timer() starts again at 0) or while
// the time of day is set keeps its length.
double PracticeClock();
// Starts the practice period now.
void StartPracticeClock();
// Sets the elapsed minutes, seconds and total seconds since Start (a
// reading of the practice clock), each rounded down.
void UpdateElapsedTime(const double& Start);

// Zeroes every exercise's score values; nothing else.
void ResetScores();

// The program's folder as callers name it before a sound file.
QString AppPath();

// Puts every framework value back to its start-of-program state (tests).
void ResetAll();

// Registers a function that zeroes one exercise's score block.
void RegisterScoreBlock(std::function<void()> reset);

} // namespace ModDODI

// The score block of one exercise: a struct of counters and time sums whose
// members all start at zero. Every block ever used is zeroed by ResetScores,
// so a new exercise's scores cannot be forgotten.
template <class Block> Block& Scores() {
    static Block& block = []() -> Block& {
        static Block storage{};
        ModDODI::RegisterScoreBlock([] { storage = Block{}; });
        return storage;
    }();
    return block;
}
