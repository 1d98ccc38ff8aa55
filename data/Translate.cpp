#include "data/Translate.h"

#include <atomic>
#include <utility>

namespace {
std::atomic<TextLookup> g_lookup { nullptr };
std::string g_language = "ja"; // set with the lookup, at start, before any thread reads texts
}

void setTextLookup(TextLookup lookup, std::string language)
{
    g_language = lookup ? std::move(language) : std::string("ja");
    g_lookup.store(lookup);
}

std::string textLanguage() { return g_language; }

std::string tx(const char *context, const char *source)
{
    const TextLookup lookup = g_lookup.load();
    return lookup ? lookup(context, source) : std::string(source);
}

std::string fillIn(std::string_view text, std::initializer_list<std::string_view> values)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        const auto slot = static_cast<std::size_t>(next - '1');
        if (text[i] == '%' && next >= '1' && next <= '9' && slot < values.size()) {
            out += values.begin()[slot];
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}
