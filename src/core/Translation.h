#pragma once

#include <functional>
#include <initializer_list>
#include <string>

namespace vesperon {

// Texts the user reads, written in the Qt-free logic. Each is marked where it is written with
// translated(), which the translators' tools find like Qt's translate(); the program installs the
// translator at start. Without one (the unit tests) every text is the English it was written in.
using Translator = std::function<std::string(const char* context, const char* source, const char* comment, int n)>;
void setTranslator(Translator translator);

// `source` in the user's language; `n`, when not -1, picks a plural form and takes the place of %n.
std::string translated(const char* context, const char* source, const char* comment = nullptr, int n = -1);

// `text` with %1, %2, … replaced by `values` in turn, as translations may move them.
std::string substitute(std::string text, std::initializer_list<std::string> values);

} // namespace vesperon
