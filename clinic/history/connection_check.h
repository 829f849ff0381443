// The Database dialog's "Test Connection": connects to the clinic server
// chosen and says in plain words whether it worked and why not.
#pragma once

#include "clinic/history/database_choice.h"

#include <QString>

struct ConnectionVerdict {
    enum class Kind { Works, Unreachable, WrongPassword, NoSuchDatabase, NotEncrypted, Other };
    Kind kind = Kind::Other;
    QString message; // for the therapist
    bool Works() const { return kind == Kind::Works; }
};

ConnectionVerdict CheckConnection(const DatabaseChoice& choice, const QString& password);

// What a failed connection's error text means, in plain words.
ConnectionVerdict VerdictOf(const DatabaseChoice& choice, const QString& errorText);
