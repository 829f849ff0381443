// Lets a part of the program add to every form: when it is made (after its
// constructor, before its Form_Load) and each time it is activated (after
// its Form_Activate).
#pragma once

#include <functional>

class Form;

void AddFormMadeHook(std::function<void(Form&)> hook);
void AddFormActivatedHook(std::function<void(Form&)> hook);
