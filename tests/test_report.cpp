// Print... and Save PDF... on a scores screen: the report's document, the
// dialogs, the file written and what a failure or Cancel leaves behind.
#include "clinic/history/practice_history.h"
#include "clinic/report/report_document.h"
#include "clinic/report/report_output.h"
#include "exercises/flipper/flipper_scores.h"
#include "exercises/flipper/frmFlipperT.h"
#include "shell/app.h"
#include "shell/framework/scores_screen.h"
#include "shell/mod_dodi.h"
#include "tests/support/kova_test.h"
#include "tests/support/practice_samples.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextDocument>

namespace {

PracticeReport KnownReport() {
    PracticeReport report;
    report.exercise = "Flipper";
    report.patientName = "Ann Smith";
    report.started = QDateTime(QDate(2026, 12, 7), QTime(10, 0));
    report.ended = QDateTime(QDate(2026, 12, 7), QTime(10, 15));
    report.practiceTime = "15 Mins  0 Secs";
    report.scores = {{"Total Correct", "29", 29},
                     {"Percent Correct", "58%", 58},
                     {"Ave Response Time", "1.4 Secs", 1.4},
                     {"Practice Time", "15 Mins  0 Secs", std::nullopt}};
    report.options = {{"Picture Order", "Random Picture Presentation", std::nullopt},
                      {"Display Speed", "0.80", 0.8}};
    return report;
}

const QDateTime PrintedAt(QDate(2026, 12, 7), QTime(10, 20));

// The text of a PDF file as pdftotext reads it; empty when the tool is missing.
QString PdfText(const QString& path) {
    const QString tool = QStandardPaths::findExecutable("pdftotext");
    if (tool.isEmpty()) {
        return {};
    }
    QProcess process;
    process.start(tool, {"-layout", path, "-"});
    process.waitForFinished(10000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

int PdfPages(const QString& path) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    static const QRegularExpression page(R"(/Type\s*/Page(?!s))");
    return static_cast<int>(QString::fromLatin1(file.readAll()).count(page));
}

TEST(ReportDocument, HoldsTheHeadingPatientTimesAndEveryLineInOrder) {
    const auto document = ReportDocument(KnownReport(), PrintedAt);
    const QString text = document->toPlainText();
    const QStringList expected =
        QString("KOVA|Flipper|Ann Smith|7 December 2026, 10:20|7 December 2026, 10:00 to 10:15|"
                "Scores|Total Correct|29|Percent Correct|58%|Ave Response Time|1.4 Secs|"
                "Practice Time|15 Mins  0 Secs|Options|Picture Order|Random Picture Presentation|"
                "Display Speed|0.80")
            .split('|');
    qsizetype at = 0;
    for (const QString& part : expected) {
        const qsizetype found = text.indexOf(part, at);
        EXPECT_GE(found, 0) << "missing or out of order: " << part.toStdString() << "\n"
                            << text.toStdString();
        at = std::max(at, found);
    }
}

TEST(ReportDocument, ShowsNoNameEnteredAndBothDatesOfAPracticeOverMidnight) {
    PracticeReport report = KnownReport();
    report.patientName = "  ";
    report.ended = QDateTime(QDate(2026, 12, 8), QTime(0, 5));
    const QString text = ReportDocument(report, PrintedAt)->toPlainText();
    EXPECT_TRUE(text.contains("No name entered"));
    EXPECT_TRUE(text.contains("7 December 2026, 10:00 to 8 December 2026, 00:05"));
}

TEST(ReportDocument, PaperAndFileNameFollowTheLocaleAndThePatient) {
    EXPECT_EQ(PaperFor(QLocale(QLocale::English, QLocale::UnitedStates)), QPageSize::Letter);
    EXPECT_EQ(PaperFor(QLocale(QLocale::French, QLocale::Canada)), QPageSize::Letter);
    EXPECT_EQ(PaperFor(QLocale(QLocale::English, QLocale::UnitedKingdom)), QPageSize::A4);
    EXPECT_EQ(PaperFor(QLocale::c()), QPageSize::A4);

    // The plain name and no name are seen by the Save PDF and Print tests below.
    PracticeReport report = KnownReport();
    report.patientName = "A/B: \"C\"";
    EXPECT_EQ(ReportFileBaseName(report, QDate(2026, 12, 7)), "KOVA Flipper 2026-12-07 A B C");
}

TEST(ReportDocument, ALongReportStillTakesOnePage) {
    PracticeReport report = KnownReport();
    for (int i = 0; i < 80; ++i) {
        report.scores << ReportLine{"Line " + QString::number(i), QString::number(i), i};
    }
    QTemporaryDir dir;
    const QString path = dir.filePath("long.pdf");
    QString error;
    ASSERT_TRUE(WriteReportPdf(report, PrintedAt, path, ReportPageLayout(), &error))
        << error.toStdString();
    EXPECT_EQ(PdfPages(path), 1);
    const QString text = PdfText(path);
    if (!text.isEmpty()) {
        EXPECT_TRUE(text.contains("Line 79"));
    }
}

class ReportButtonsTest : public KovaTest {
protected:
    void SetUp() override {
        KovaTest::SetUp();
        RegisterExercises();
        ModDODI::PatientName = "Ann Smith";
        Forms::Show("frmFlipperO");
        Click(&Forms::Get("frmFlipperO"), "cmdStart");
        auto& s = Scores<FlipperScores>();
        s.FlipperCorrect = 29;
        s.FlipperWrong = 21;
        s.FlipperAnswered = 50;
        s.FlipperTotalTime = 70;
        fake().Now += 300;
        Click(Loaded<frmFlipperT>().cmdScores);
    }
    Form& scores() { return Forms::Get("frmFlipperS"); }
    QString value(const QString& name) { return Find<QLabel>(&scores(), name)->text(); }
    // The scores, on screen and in the shared values, are those of SetUp.
    void expectScoresKept() {
        EXPECT_EQ(value("lblCorrect"), "29");
        EXPECT_EQ(value("lblPerCor"), "58%");
        EXPECT_EQ(value("lblAveTime"), "1.4 Secs");
        EXPECT_EQ(int(Scores<FlipperScores>().FlipperAnswered), 50);
        EXPECT_TRUE(IsShown("frmFlipperS"));
    }

    QTemporaryDir dir;
};

TEST_F(ReportButtonsTest, SavePdfOffersANameAndWritesTheReportKeepingTheScores) {
    const QString path = dir.filePath("report"); // ".pdf" is added
    fake().SaveFileAnswers.enqueue(path);
    Click(&scores(), "cmdSavePdf");

    ASSERT_EQ(fake().ProposedSavePaths.size(), 1);
    EXPECT_TRUE(fake().ProposedSavePaths[0].endsWith("/KOVA Flipper 2026-12-07 Ann Smith.pdf"))
        << fake().ProposedSavePaths[0].toStdString();
    EXPECT_TRUE(fake().Messages.isEmpty());
    ASSERT_TRUE(QFile::exists(path + ".pdf"));
    EXPECT_EQ(PdfPages(path + ".pdf"), 1);
    const QString text = PdfText(path + ".pdf");
    if (!text.isEmpty()) {
        for (const char* part : {"KOVA", "Flipper", "Ann Smith", "Total Correct", "58%",
                                 "Picture Order", "Pictures Presented In Numerical"}) {
            EXPECT_TRUE(text.contains(part)) << part << "\n" << text.toStdString();
        }
    }
    expectScoresKept();

    // The next report is offered in the folder the last one went to.
    Click(&scores(), "cmdSavePdf");
    EXPECT_EQ(QFileInfo(fake().ProposedSavePaths[1]).absolutePath(), dir.path());
}

TEST_F(ReportButtonsTest, TheReportListsThePatientsLastSessionsOfThisExercise) {
    PracticeStore* store = PracticeHistory::Store();
    ASSERT_NE(store, nullptr);
    const QDateTime earlier(QDate(2026, 12, 1), QTime(9, 0));
    for (int daysBack = 0; daysBack < 6; ++daysBack) { // 50%, 55%, ... 75%
        store->Record(SamplePractice("Ann Smith", "Flipper", earlier.addDays(-daysBack),
                                     10 + daysBack, 20, 2));
    }
    store->Record(SamplePractice("Ann Smith", "Shape Counting", earlier, 3, 20, 2));
    store->Record(SamplePractice("Bob", "Flipper", earlier.addDays(1), 1, 20, 2));
    fake().SaveFileAnswers.enqueue(dir.filePath("ann.pdf"));
    Click(&scores(), "cmdSavePdf");

    const QString text = PdfText(dir.filePath("ann.pdf")).simplified();
    if (text.isEmpty()) {
        GTEST_SKIP() << "pdftotext is missing";
    }
    ASSERT_TRUE(text.contains("Last Sessions")) << text.toStdString();
    const QString sessions = text.mid(text.indexOf("Last Sessions"));
    // This practice, then the four newest before it; no other exercise or patient.
    qsizetype at = 0;
    for (const char* percent : {"58%", "50%", "55%", "60%", "65%"}) {
        at = sessions.indexOf(QString("Percent Correct ") + percent, at);
        EXPECT_GE(at, 0) << percent << "\n" << sessions.toStdString();
    }
    for (const char* absent : {"70%", "75%", "15%", " 5%"}) {
        EXPECT_FALSE(sessions.contains(absent)) << absent;
    }

    // Practices without a name may be anyone's: none are listed.
    ModDODI::PatientName.clear();
    fake().SaveFileAnswers.enqueue(dir.filePath("nobody.pdf"));
    Click(&scores(), "cmdSavePdf");
    EXPECT_FALSE(PdfText(dir.filePath("nobody.pdf")).contains("Last Sessions"));
}

TEST_F(ReportButtonsTest, AFolderThatCannotBeWrittenGivesAMessageAndChangesNothing) {
    QDir(dir.path()).mkdir("locked");
    QString folder = dir.filePath("locked");
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
    if (QFileInfo(folder).isWritable()) {
        folder = "/proc"; // run as root: no folder is read-only but one the system keeps
    }
    const QString path = QDir(folder).filePath("report.pdf");
    fake().SaveFileAnswers.enqueue(path);
    Click(&scores(), "cmdSavePdf");

    ASSERT_EQ(fake().Messages.size(), 1);
    EXPECT_TRUE(
        fake().Messages[0].prompt.startsWith("The report could not be saved as \"" + path + "\": "))
        << fake().Messages[0].prompt.toStdString();
    EXPECT_TRUE(fake().Messages[0].prompt.endsWith("Choose another folder or file name."));
    EXPECT_EQ(fake().Messages[0].style, vbExclamation);
    EXPECT_FALSE(QFile::exists(path));
    expectScoresKept();
}

TEST_F(ReportButtonsTest, CancelInEitherDialogDoesNothing) {
    Click(&scores(), "cmdSavePdf"); // no answer: Cancel
    Click(&scores(), "cmdPrint");
    EXPECT_EQ(fake().ProposedSavePaths.size(), 1);
    EXPECT_EQ(fake().PrintDialogs, 1);
    EXPECT_TRUE(fake().Messages.isEmpty());
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
    expectScoresKept();
}

TEST_F(ReportButtonsTest, PrintToFileWritesThePdfChosenInThePrintDialog) {
    const QString path = dir.filePath("printed.pdf");
    QString offeredName;
    fake().PrintDialogAnswers.enqueue(true);
    fake().OnPrintDialog = [&](QPrinter& printer) {
        offeredName = printer.docName();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
    };
    ModDODI::PatientName.clear();
    Click(&scores(), "cmdPrint");

    EXPECT_EQ(offeredName, "KOVA Flipper 2026-12-07");
    EXPECT_TRUE(fake().Messages.isEmpty());
    ASSERT_TRUE(QFile::exists(path));
    const QString text = PdfText(path);
    if (!text.isEmpty()) {
        EXPECT_TRUE(text.contains("No name entered"));
    }
    expectScoresKept();
}

} // namespace
