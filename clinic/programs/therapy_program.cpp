#include "clinic/programs/therapy_program.h"

int ProgramStep::PracticeMinutes() const {
    return ValueOf(options, "cboPracTime").toInt();
}
