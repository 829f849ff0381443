#include "clinic/programs/program_file.h"

#include "clinic/programs/json_fields.h"
#include "clinic/programs/step_check.h"

#include <QJsonDocument>

namespace {

const char* const FormatName = "kova-program";
constexpr int MostSessionsPerWeek = 21;

QString dayName(int day) {
    return QLocale::c().dayName(day, QLocale::LongFormat);
}

QJsonArray daysOf(int days) {
    QJsonArray names;
    for (int day = Qt::Monday; day <= Qt::Sunday; ++day) {
        if ((days & TherapyProgram::DayBit(Qt::DayOfWeek(day))) != 0) {
            names.append(dayName(day));
        }
    }
    return names;
}

std::optional<int> readDays(JsonFields& fields) {
    const std::optional<QJsonArray> names = fields.Array("days");
    if (!names) {
        return std::nullopt;
    }
    int days = 0;
    for (int i = 0; i < names->size(); ++i) {
        int bit = 0;
        for (int day = Qt::Monday; day <= Qt::Sunday; ++day) {
            if (names->at(i) == dayName(day)) {
                bit = TherapyProgram::DayBit(Qt::DayOfWeek(day));
            }
        }
        if (bit == 0 || (days & bit) != 0) {
            fields.Refuse(QString("days[%1]").arg(i),
                          bit == 0 ? "not a day of the week (Monday ... Sunday)" : "named twice");
            return std::nullopt;
        }
        days |= bit;
    }
    return days;
}

std::optional<OptionValues> readOptions(JsonFields& step) {
    const std::optional<QJsonArray> list = step.Array("options");
    if (!list) {
        return std::nullopt;
    }
    OptionValues options;
    for (int i = 0; i < list->size(); ++i) {
        std::optional<JsonFields> option = step.Item(*list, "options", i);
        if (!option || !option->OnlyKnown({"option", "value"})) {
            return std::nullopt;
        }
        const std::optional<QString> name = option->Text("option", false);
        const std::optional<QString> value = option->Text("value");
        if (!name || !value) {
            return std::nullopt;
        }
        options.append({*name, *value});
    }
    return options;
}

std::optional<ProgramStep> readStep(JsonFields& step) {
    if (!step.OnlyKnown({"exercise", "options"})) {
        return std::nullopt;
    }
    const std::optional<QString> exercise = step.Text("exercise", false);
    if (exercise && !ExerciseAvailable(*exercise)) {
        step.Refuse("exercise", QString("\"%1\" is no exercise of this KOVA").arg(*exercise));
    }
    const std::optional<OptionValues> options = readOptions(step);
    if (!exercise || !options) {
        return std::nullopt;
    }
    const ProgramStep read{*exercise, *options};
    if (const std::optional<QString> refusal = StepRefusal(read)) {
        step.Refuse("options", *refusal);
        return std::nullopt;
    }
    return read;
}

std::optional<TherapyProgram> readProgram(JsonFields& file) {
    if (!file.OnlyKnown(
            {"format", "version", "patient", "name", "days", "sessions_per_week", "steps"})) {
        return std::nullopt;
    }
    const std::optional<QString> format = file.Text("format");
    if (format && *format != FormatName) {
        file.Refuse("format", QString("not \"%1\"").arg(FormatName));
    }
    file.Whole("version", ProgramFileVersion, ProgramFileVersion);
    TherapyProgram program;
    program.patient = file.Text("patient", false).value_or(QString());
    program.name = file.Text("name", false).value_or(QString());
    program.days = readDays(file).value_or(0);
    program.sessionsPerWeek = file.Whole("sessions_per_week", 0, MostSessionsPerWeek).value_or(0);
    const QJsonArray steps = file.Array("steps").value_or(QJsonArray());
    for (int i = 0; i < steps.size(); ++i) {
        std::optional<JsonFields> step = file.Item(steps, "steps", i);
        if (!step) {
            break;
        }
        if (const std::optional<ProgramStep> read = readStep(*step)) {
            program.steps.append(*read);
        }
    }
    if (file.Refused()) {
        return std::nullopt;
    }
    return program;
}

} // namespace

QByteArray ProgramFileText(const TherapyProgram& program) {
    QJsonArray steps;
    for (const ProgramStep& step : program.steps) {
        QJsonArray options;
        for (const OptionValue& option : step.options) {
            options.append(QJsonObject{{"option", option.control}, {"value", option.value}});
        }
        steps.append(QJsonObject{{"exercise", step.exercise}, {"options", options}});
    }
    const QJsonObject file{
        {"format", FormatName},
        {"version", ProgramFileVersion},
        {"patient", program.patient},
        {"name", program.name},
        {"days", daysOf(program.days)},
        {"sessions_per_week", program.sessionsPerWeek},
        {"steps", steps},
    };
    return QJsonDocument(file).toJson(QJsonDocument::Indented);
}

ProgramFileReading ReadProgramFile(const QByteArray& text) {
    ProgramFileReading reading;
    const std::optional<QJsonObject> object = JsonFileObject(text, &reading.refusal);
    if (!object) {
        return reading;
    }
    JsonFields file(*object, QString(), &reading.refusal);
    reading.program = readProgram(file);
    return reading;
}
