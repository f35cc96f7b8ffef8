#pragma once
// Finding the declaration a parameter hint shows for a called name.
#include <string>
#include <string_view>

#include "assist/program_index.h"

// The hint text of the declaration statement [declStart, declEnd) of text:
// name followed by the statement from its first "(" on, continued lines
// joined and comments removed. False when there is no "(" or parentheses
// or double quotes do not balance.
bool DeclarationHintText(std::string_view text, int declStart, int declEnd, std::string_view name,
                         std::string& out);

// The declaration of a called name ("Foo", "obj.Method", "p->a.Method") as
// seen at caret in the program: methods of the object's type, methods of
// the class the caret is in, then global Sub/Function/Declare statements.
bool FindDeclaration(const ProgramIndex& program, int caret, std::string_view name,
                     std::string& out);
// The same over a program text indexed for this one call.
bool FindDeclaration(const char* text, int length, int caret, std::string_view name,
                     std::string& out);
