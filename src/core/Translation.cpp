#include "core/Translation.h"

#include <cctype>
#include <utility>

namespace vesperon {

namespace {

Translator& installed()
{
    static Translator translator;
    return translator;
}

void replaceAll(std::string& text, const std::string& marker, const std::string& value)
{
    for (auto at = text.find(marker); at != std::string::npos; at = text.find(marker, at + value.size()))
        text.replace(at, marker.size(), value);
}

} // namespace

void setTranslator(Translator translator) { installed() = std::move(translator); }

std::string translated(const char* context, const char* source, const char* comment, int n)
{
    if (installed())
        return installed()(context, source, comment, n);
    std::string text = source;
    if (n != -1)
        replaceAll(text, "%n", std::to_string(n));
    return text;
}

std::string substitute(std::string text, std::initializer_list<std::string> values)
{
    // One pass, so that a value holding "%2" (a display's name, say) stays as it is.
    std::string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        std::size_t end = i + 1;
        while (
            text[i] == '%' && end < text.size() && end < i + 3 && std::isdigit(static_cast<unsigned char>(text[end])))
            ++end;
        const std::size_t index = end > i + 1 ? std::stoul(text.substr(i + 1, end - i - 1)) : 0;
        if (index >= 1 && index <= values.size()) {
            result += *(values.begin() + (index - 1));
            i = end - 1;
        } else {
            result += text[i];
        }
    }
    return result;
}

} // namespace vesperon
