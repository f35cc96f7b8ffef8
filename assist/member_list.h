#pragma once
// Opening the member completion list after "." or "->" in a Source document.
#include <string>
#include <vector>

#include "assist/completion_items.h"
#include "assist/program_index.h"

// Expressions longer than this open no list.
constexpr int kMaxMemberExpression = 512;

// The expression that ends with the operator typed at p (the full stop, or
// the ">" of "->"), with the objects of enclosing With statements put in
// front when it starts with an operator. False when p lies in a comment or
// a string, the expression is too long, or a With prefix cannot be found.
bool CollectMemberExpression(const char* text, int length, int p, int backNumSetting,
                             std::string& expr);

// The object expressions of the With blocks enclosing byte p, joined
// outermost first ("a.b" for With a / With .b). False when a closer does not
// match its opener.
bool WithPrefix(const char* text, int length, int p, int backNumSetting, std::string& prefix);

// The core of OpenMemberList: the document text and the operator byte p,
// the index of the program text and the caret's byte in it. True when the
// list opens: items in member order, startByte = p + 1.
bool OpenMemberList(const char* text, int length, int p, int backNumSetting,
                    const ProgramIndex& program, int programCaret,
                    std::vector<CompletionItem>& items, int& startByte);
