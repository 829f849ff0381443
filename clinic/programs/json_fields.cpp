#include "clinic/programs/json_fields.h"

#include <QJsonDocument>
#include <QJsonParseError>
#include <cmath>

JsonFields::JsonFields(QJsonObject object, QString path, QString* refusal)
    : object_(std::move(object)), path_(std::move(path)), refusal_(refusal) {}

QString JsonFields::PathOf(const QString& key) const {
    return path_.isEmpty() ? key : path_ + "." + key;
}

void JsonFields::Refuse(const QString& key, const QString& why) {
    if (!Refused()) {
        *refusal_ = PathOf(key) + ": " + why;
    }
}

std::optional<QJsonValue> JsonFields::field(const QString& key) {
    if (Refused()) {
        return std::nullopt;
    }
    if (!object_.contains(key)) {
        Refuse(key, "missing");
        return std::nullopt;
    }
    return object_.value(key);
}

std::optional<QString> JsonFields::Text(const QString& key, bool mayBeEmpty) {
    const std::optional<QJsonValue> value = field(key);
    if (!value) {
        return std::nullopt;
    }
    if (!value->isString()) {
        Refuse(key, "not a text");
        return std::nullopt;
    }
    if (!mayBeEmpty && value->toString().isEmpty()) {
        Refuse(key, "empty");
        return std::nullopt;
    }
    return value->toString();
}

std::optional<int> JsonFields::Whole(const QString& key, int low, int high) {
    const std::optional<QJsonValue> value = field(key);
    if (!value) {
        return std::nullopt;
    }
    const double number = value->toDouble();
    if (!value->isDouble() || number != std::floor(number) || number < low || number > high) {
        Refuse(key, QString("not a whole number from %1 to %2").arg(low).arg(high));
        return std::nullopt;
    }
    return static_cast<int>(number);
}

std::optional<QJsonArray> JsonFields::Array(const QString& key) {
    const std::optional<QJsonValue> value = field(key);
    if (!value) {
        return std::nullopt;
    }
    if (!value->isArray()) {
        Refuse(key, "not a list");
        return std::nullopt;
    }
    return value->toArray();
}

std::optional<JsonFields> JsonFields::Item(const QJsonArray& array, const QString& key, int index) {
    if (Refused()) {
        return std::nullopt;
    }
    const QString at = QString("%1[%2]").arg(key).arg(index);
    if (!array.at(index).isObject()) {
        Refuse(at, "not an object");
        return std::nullopt;
    }
    return JsonFields(array.at(index).toObject(), PathOf(at), refusal_);
}

bool JsonFields::OnlyKnown(const QStringList& known) {
    for (const QString& key : object_.keys()) {
        if (!known.contains(key)) {
            Refuse(key, "not a field of this file");
            return false;
        }
    }
    return !Refused();
}

std::optional<QJsonObject> JsonFileObject(const QByteArray& text, QString* refusal) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(text, &error);
    if (error.error != QJsonParseError::NoError) {
        *refusal = QString("not a JSON file (%1 at character %2)")
                       .arg(error.errorString())
                       .arg(error.offset);
        return std::nullopt;
    }
    if (!document.isObject()) {
        *refusal = "not a JSON object";
        return std::nullopt;
    }
    return document.object();
}
