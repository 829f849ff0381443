#include "shell/mod_dodi.h"

#include "shell/assets.h"
#include "shell/platform.h"

#include <QCoreApplication>
#include <cmath>
#include <vector>

namespace ModDODI {

double PracticeStart = 0;
Single ElapsedMinutes = 0;
Single ElapsedSeconds = 0;
Single ElapsedTotalSeconds = 0;
Integer ReadyToStart = VbFalse;
Single QuestionShownAt = 0;
Single AnswerGivenAt = 0;
QString PatientName;
Integer ApiResult = 0;
Integer TrackNumbersLetters = VbFalse;
Integer TrackSequences = VbFalse;

static std::vector<std::function<void()>>& scoreBlocks() {
    static std::vector<std::function<void()>> blocks;
    return blocks;
}

void RegisterScoreBlock(std::function<void()> reset) {
    scoreBlocks().push_back(std::move(reset));
}

// The sound file's path: looked up by its own name, whatever folder it is given with.
static QString SoundPath(const QString& FileName) {
    return FindAsset(FileName);
}

Integer PlaySoundFile(const QString& FileName) {
    const QString path = SoundPath(FileName);
    return !path.isEmpty() && platform().PlaySound(path) ? VbTrue : VbFalse;
}

Integer PreloadSoundFile(const QString& FileName) {
    const QString path = SoundPath(FileName);
    return !path.isEmpty() && platform().PreloadSound(path) ? VbTrue : VbFalse;
}

double PracticeClock() {
    return platform().MonotonicMs() / 1000.0;
}

void StartPracticeClock() {
    PracticeStart = PracticeClock();
}

void UpdateElapsedTime(const double& Start) {
    // One reading, so the seconds never reach 60 between two; single
    // precision steps as the practice-time line has always been rounded.
    const Single elapsed = static_cast<Single>(PracticeClock() - Start);
    ElapsedMinutes = std::floor(elapsed / 60.0f);
    ElapsedSeconds = std::floor(elapsed - ElapsedMinutes * 60.0f);
    ElapsedTotalSeconds = std::floor(elapsed);
}

void ResetScores() {
    for (const auto& reset : scoreBlocks()) {
        reset();
    }
}

QString AppPath() {
    return QCoreApplication::applicationDirPath();
}

void ResetAll() {
    ResetScores();
    PracticeStart = ElapsedMinutes = ElapsedSeconds = ElapsedTotalSeconds = 0;
    QuestionShownAt = AnswerGivenAt = 0;
    ReadyToStart = ApiResult = TrackNumbersLetters = TrackSequences = VbFalse;
    PatientName.clear();
}

} // namespace ModDODI
