#include "exercises/closing_letters/frmLetterT.h"

#include "exercises/closing_letters/closing_letters_scores.h"
#include "exercises/closing_letters/closing_letters_triad.h"
#include "exercises/closing_letters/frmLetterO.h"
#include "shell/controls/colors.h"
#include "shell/framework/adaptive_level.h"
#include "shell/framework/layout.h"
#include "shell/mod_dodi.h"
#include "shell/platform.h"
#include "shell/platform_random.h"

#include <QPointer>

using namespace ClosingLetters;
using namespace ModDODI;

namespace {

constexpr std::uint32_t TileGrey = 0xC0C0C0;
constexpr int ButtonRowTop = 6480;

} // namespace

frmLetterT::frmLetterT() : PictureTherapyScreen(Name, ClosingLettersTriad()) {
    SetDesignSize(11900, ButtonRowTop + 495 + 240);
    Picture0 = new PictureBox("Picture0", this);
    Picture0->SetBackColor(Qt::white);
    Picture0->setAccessibleName("Letter");
    Place(Picture0, 4530, 1200, 2820, 2820);
    buildTiles();

    cmdEraseTiles = new VbButton("cmdEraseTiles", "Erase Tiles", this);
    cmdEraseAllTiles = new VbButton("cmdEraseAllTiles", "Erase All Tiles", this);
    Place(cmdEraseTiles, 4200, 4200, 1650, 495);
    Place(cmdEraseAllTiles, 6030, 4200, 1650, 495);

    txtAnswer = new AnswerBox("txtAnswer", this);
    txtAnswer->setAccessibleName("Type the letter");
    txtAnswer->setAlignment(Qt::AlignCenter);
    SetFontSize(txtAnswer, 20, true);
    Place(txtAnswer, 5580, 4860, 720, 615);
    lblAnswer = new VbLabel("lblAnswer", "", this);
    lblAnswer->setAlignment(Qt::AlignCenter);
    SetFontSize(lblAnswer, 14, true);
    Place(lblAnswer, 3930, 5580, 4020, 495);

    lblPerFinished = AddPerFinishedCounter();
    PlaceButtonRow(ButtonRowTop, 4500);
    PlaceCounters(6480, ButtonRowTop, 5300, 495);

    // Erase Tiles and the answer box work only while a letter is in play.
    cmdEraseTiles->setEnabled(false);
    txtAnswer->setEnabled(false);
    cmdEraseAllTiles->hide();
    connect(cmdEraseTiles, &QPushButton::clicked, this, &frmLetterT::cmdEraseTiles_Click);
    connect(cmdEraseAllTiles, &QPushButton::clicked, this, &frmLetterT::cmdEraseAllTiles_Click);
    connect(txtAnswer, &AnswerBox::KeyPress, this, &frmLetterT::txtAnswer_KeyPress);
}

void frmLetterT::buildTiles() {
    // The tiles lie on the inside of the box, which clips the half tiles at
    // the ends of the rows.
    auto* tileLayer = new QWidget(Picture0);
    tileLayer->setGeometry(Picture0->Interior());
    for (int k = 0; k < TileCount; ++k) {
        auto* tile = new VbLabel("lblHide" + QString::number(k), "", tileLayer);
        tile->SetBackColor(VbColor(TileGrey));
        const QPoint corner = TileCorner(k);
        Place(tile, corner.x(), corner.y(), TileSize, TileSize);
        lblHide[k] = tile;
    }
}

void frmLetterT::Form_Activate() {
    PictureTherapyScreen::Form_Activate();
    CoverLetter();
    ShowLetterCounters();
}

void frmLetterT::ShowLetterCounters() {
    const LetterScores& s = Scores<LetterScores>();
    lblCor->setText("C=" + QString::number(s.LettersCorrect));
    lblWrng->setText("W=" + QString::number(s.LettersWrong));
    lblTotalPics->setText("T=" + QString::number(s.LettersTried));
}

void frmLetterT::CoverLetter() {
    for (VbLabel* tile : lblHide) {
        tile->show();
    }
    tiles_.Cover();
    ++coverings_;
    lblPerFinished->setText("0%");
    Picture0->ClearPicture();
}

void frmLetterT::ClearStimulus() {
    // Stop comes only between letters: the answer line and the box keep what
    // the last letter left.
    CoverLetter();
}

void frmLetterT::cmdNextSet_Click() {
    if (letterInPlay_) {
        return;
    }
    const LetterScores& totals = Scores<LetterScores>();
    AdaptBetweenSets(*this, {totals.LettersCorrect, totals.LettersWrong});
    cmdEraseAllTiles->hide();
    txtAnswer->clear();
    cmdStart->setEnabled(false);
    cmdNextSet->setEnabled(false);
    lblAnswer->clear();
    // T= shows the new count with the next answer.
    Scores<LetterScores>().LettersTried++;
    ShowPracticeTime();
    CoverLetter();
    platform().Sleep(400);
    ChooseLetter();
    QuestionShownAt = platform().Timer();
    letterInPlay_ = true;
    cmdEraseTiles->setEnabled(true);
    txtAnswer->setEnabled(true);
    txtAnswer->setFocus();
}

void frmLetterT::ChooseLetter() {
    platform().Randomize();
    const auto& options = static_cast<const frmLetterO&>(OptionsForm());
    LetterCode = ChooseLetterCode(options.ChosenCase(), PlatformRnd);
    Picture0->LoadPicture(LetterFileName(LetterCode));
}

void frmLetterT::cmdEraseTiles_Click() {
    if (!letterInPlay_ || erasing_) {
        return;
    }
    // Off while tiles go, so that a second press is not run inside this one.
    cmdEraseTiles->setEnabled(false);
    platform().Randomize();
    const int count = static_cast<const frmLetterO&>(OptionsForm()).TilesPerClick();
    const int covering = coverings_;
    erasing_ = true;
    if (!RunEventLoop([&] { return EraseTiles(count, covering); })) {
        return; // the screen went away meanwhile
    }
    erasing_ = false;
    if (coverings_ != covering) {
        return; // the letter was covered again meanwhile (Stop, Next Set)
    }
    lblPerFinished->setText(PercentFinishedText(tiles_.TilesErased()));
    // The pause limits how fast tiles can be removed.
    platform().ShowCursor(false);
    platform().Sleep(300);
    platform().ShowCursor(true);
    cmdEraseTiles->setEnabled(letterInPlay_);
    if (txtAnswer->isEnabled()) {
        txtAnswer->setFocus();
    }
}

bool frmLetterT::EraseTiles(int count, int covering) {
    for (int i = 0; i < count; ++i) {
        if (!letterInPlay_ || coverings_ != covering) {
            return true; // named meanwhile: no more tiles go
        }
        RemoveTile(DrawTileStillThere(tiles_, PlatformRnd));
        if (tiles_.AllGone()) {
            CountMiss();
            return true;
        }
        if (!LetEventsRun()) {
            return false;
        }
    }
    return true;
}

void frmLetterT::RemoveTile(int index) {
    lblHide[index]->hide();
    tiles_.Remove(index);
}

void frmLetterT::DisableLetterControls() {
    letterInPlay_ = false;
    cmdEraseTiles->setEnabled(false);
    txtAnswer->setEnabled(false);
}

void frmLetterT::CountMiss() {
    // Uncovered to the last tile without the right key: one more wrong.
    LetterScores& s = Scores<LetterScores>();
    s.LettersWrong++;
    lblWrng->setText("W=" + QString::number(s.LettersWrong));
    FinishLetter();
}

void frmLetterT::FinishLetter() {
    DisableLetterControls();
    cmdNextSet->setEnabled(true);
    cmdStart->setEnabled(true);
    LetterScores& s = Scores<LetterScores>();
    const Single responseTime = TakeResponseTime();
    s.ResponseTimeSum += responseTime;
    s.PercentRevealedSum += PercentRevealed(tiles_.TilesErased());
    ShowResponseTime(responseTime);
}

void frmLetterT::txtAnswer_KeyPress(int KeyAscii) {
    // Every key typed is a guess: Backspace, Enter, Esc and Ctrl with a letter too.
    if (!letterInPlay_) {
        return;
    }
    const QChar typed = InLetterCase(QChar(KeyAscii), LetterCode);
    txtAnswer->setText(BoxText(typed));
    const bool correct = typed.unicode() == LetterCode;
    lblAnswer->setText(AnswerMessage(typed, correct));
    LetterScores& s = Scores<LetterScores>();
    if (correct) {
        s.LettersCorrect++;
        cmdEraseAllTiles->show();
        FinishLetter();
    } else {
        s.LettersWrong++; // the patient may keep guessing
    }
    ShowLetterCounters();
}

void frmLetterT::cmdEraseAllTiles_Click() {
    for (VbLabel* tile : lblHide) {
        tile->hide();
    }
}
