// Reads the fields of a JSON file one by one, keeping the first one refused
// with its place in the file ("steps[2].exercise: not a text").
#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <optional>

class JsonFields {
public:
    // The fields of object, which lies at path in the file ("" for the whole file).
    JsonFields(QJsonObject object, QString path, QString* refusal);

    // Each reader gives nothing once a field was refused (this one or any
    // before it), so only the first bad field is told.
    std::optional<QString> Text(const QString& key, bool mayBeEmpty = true);
    std::optional<int> Whole(const QString& key, int low, int high);
    std::optional<QJsonArray> Array(const QString& key);
    // An object of the array at key's index, with its fields.
    std::optional<JsonFields> Item(const QJsonArray& array, const QString& key, int index);
    bool Has(const QString& key) const { return object_.contains(key); }
    // Refuses the first field that is not one of known.
    bool OnlyKnown(const QStringList& known);
    // Refuses the field at key with why.
    void Refuse(const QString& key, const QString& why);
    bool Refused() const { return !refusal_->isEmpty(); }
    const QJsonObject& Object() const { return object_; }
    QString PathOf(const QString& key) const;

private:
    std::optional<QJsonValue> field(const QString& key);

    QJsonObject object_;
    QString path_;
    QString* refusal_;
};

// The document's top object, or nothing with the refusal set (not JSON, or
// not an object).
std::optional<QJsonObject> JsonFileObject(const QByteArray& text, QString* refusal);
