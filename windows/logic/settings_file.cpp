#include "windows/logic/settings_file.h"

#include "engine/regular_file.h"

#include <QSaveFile>

#include <algorithm>
#include <cctype>

namespace settings_file {

namespace {

constexpr char kSection[] = "[program information]";
constexpr std::size_t kFileLimit = 1 << 20;  // as the loader reads it

std::string Trimmed(const std::string &s) {
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string::npos) return {};
    return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

std::string KeyOf(const std::string &line) {
    const auto equals = line.find('=');
    return equals == std::string::npos ? std::string() : Lower(Trimmed(line.substr(0, equals)));
}

}  // namespace

std::optional<std::string> Read(const std::string &path) {
    // Bounded like the loader's read: a FIFO or a huge file planted there must not hang the window.
    FileProblem problem;
    return ReadRegularFile(path, kFileLimit, problem);
}

std::string Write(const std::string &path, const std::string &text) {
    // Unbuffered, so that a short write (a full disk) shows here: a buffered one can be committed
    // cut short.
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) ||
        !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner))
        return file.errorString().toStdString();
    const QByteArray bytes = QByteArray::fromStdString(text);
    if (file.write(bytes) != bytes.size()) return file.errorString().toStdString();
    if (!file.commit()) return file.errorString().toStdString();
    return {};
}

std::string WithKeys(const std::string &text, const std::vector<std::pair<std::string, std::string>> &keys) {
    std::vector<std::string> lines;
    for (std::size_t start = 0; start <= text.size();) {
        const auto end = text.find('\n', start);
        lines.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos) break;
        start = end + 1;
    }
    const bool crlf = !lines.empty() && !lines.front().empty() && lines.front().back() == '\r';
    const std::string eol = crlf ? "\r\n" : "\n";
    for (std::string &line : lines)
        if (!line.empty() && line.back() == '\r') line.pop_back();
    const bool endedWithBreak = !text.empty() && text.back() == '\n';
    if (endedWithBreak || (lines.size() == 1 && lines.front().empty())) lines.pop_back();

    auto section = std::find_if(lines.begin(), lines.end(), [](const std::string &l) { return Lower(Trimmed(l)) == kSection; });
    if (section == lines.end()) {
        lines.push_back("[Program Information]");
        section = lines.end() - 1;
    }
    auto sectionEnd = std::find_if(section + 1, lines.end(), [](const std::string &l) {
        const std::string t = Trimmed(l);
        return !t.empty() && t.front() == '[';
    });
    std::size_t insertAt = static_cast<std::size_t>(sectionEnd - lines.begin());
    // A blank line closing the section stays after the keys added.
    while (insertAt > static_cast<std::size_t>(section - lines.begin()) + 1 && Trimmed(lines[insertAt - 1]).empty())
        --insertAt;
    const std::size_t first = static_cast<std::size_t>(section - lines.begin()) + 1;
    for (const auto &[key, value] : keys) {
        const std::string wanted = Lower(key);
        bool found = false;
        for (std::size_t i = first; i < insertAt; ++i) {
            if (KeyOf(lines[i]) != wanted) continue;
            lines[i] = key + "=" + value;
            found = true;
            break;
        }
        if (!found) lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insertAt++), key + "=" + value);
    }
    std::string out;
    for (std::size_t i = 0; i < lines.size(); ++i) out += (i ? eol : "") + lines[i];
    return endedWithBreak ? out + eol : out;
}

}  // namespace settings_file
