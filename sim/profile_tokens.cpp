#include "profile_tokens.h"

std::optional<std::vector<std::string>> splitWords(std::string_view line)
{
    std::vector<std::string> words;
    std::string word;
    bool inWord = false, quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        char c = line[i];
        if (!quoted && (c == ' ' || c == '\t' || c == '\r')) {
            if (inWord)
                words.push_back(std::move(word));
            word.clear();
            inWord = false;
            continue;
        }
        inWord = true;
        word += c;
        if (c == '"')
            quoted = !quoted;
        else if (c == '\\' && quoted && i + 1 < line.size())
            word += line[++i];
    }
    if (quoted)
        return std::nullopt;
    if (inWord)
        words.push_back(std::move(word));
    return words;
}

std::vector<std::string> splitFields(const std::string& text, char separator)
{
    std::vector<std::string> fields;
    std::size_t start = 0;
    while (true) {
        auto end = text.find(separator, start);
        fields.push_back(text.substr(start, end - start));
        if (end == std::string::npos)
            return fields;
        start = end + 1;
    }
}
