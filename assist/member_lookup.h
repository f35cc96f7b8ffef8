#pragma once
// Type resolution and member enumeration over a ProgramIndex.
#include <string_view>
#include <vector>

#include "assist/completion_items.h"
#include "assist/program_index.h"

// The variable named exactly `name` as seen at pos: parameters and Dims of
// the enclosing procedure, member variables of the enclosing type (bases
// first), then global Dims. Null when none.
const VarDecl* FindVariableAt(const ProgramIndex& index, int pos, std::string_view name);

// A member variable of a type or its bases (bases first), or null.
const VarDecl* FindMemberVariable(const ProgramIndex& index, int type, std::string_view name);

// Resolves a declared type through TypeDef chains: the Class/Interface/Type
// block it names and its pointer depth. False for built-in types, unknown
// names, TypeDef cycles and pointers to pointers.
bool ResolveDeclaredType(const ProgramIndex& index, const VarDecl& var, int& stars, int& type);

// The type an expression reaches through its last operator, for example
// "a.b[1]->" or "p[2].": each name must be a variable (the head at pos, then
// member variables), each operator must fit the variable. -1 when not.
int ResolveExpressionType(const ProgramIndex& index, int pos, std::string_view expr);

// The members of a type for the completion list: base members first
// (without their constructors and destructors), then its own; a name that
// is already listed is left out.
void EnumerateMembers(const ProgramIndex& index, int type, std::vector<CompletionItem>& items);

// The method members named exactly `name` of a type, bases searched first.
void FindMethodMembers(const ProgramIndex& index, int type, std::string_view name,
                       std::vector<const MemberDecl*>& out);
