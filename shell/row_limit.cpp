#include "shell/row_limit.h"

#include "engine/number_text.h"

#include <cstring>
#include <limits>
#include <stdexcept>
#include <string>

namespace {

int RowLimitValue(const QString &text) {
    const std::optional<int> value = ParseSigned32(text.toStdString(), Blanks::Refused);
    if (!value || *value < 1) {
        throw std::invalid_argument(std::string(kRowLimitOption) + " wants a number of rows from 1 to " +
                                    std::to_string(std::numeric_limits<int>::max()) + ", not \"" +
                                    text.toStdString() + "\".");
    }
    return *value;
}

}  // namespace

std::optional<int> RowLimitParameter(const QStringList &parameters) {
    const QString name = QString::fromLatin1(kRowLimitOption);
    std::optional<int> limit;
    for (qsizetype i = 0; i < parameters.size(); ++i) {
        const QString &p = parameters[i];
        if (p == name) {
            if (i + 1 >= parameters.size()) throw std::invalid_argument(std::string(kRowLimitOption) + " needs a value.");
            limit = RowLimitValue(parameters[++i]);
        } else if (p.startsWith(name + u'=')) {
            limit = RowLimitValue(p.mid(name.size() + 1));
        }
    }
    return limit;
}

bool IsRowLimitParameter(const char *parameter) {
    const std::size_t length = std::strlen(kRowLimitOption);
    return std::strncmp(parameter, kRowLimitOption, length) == 0 && (parameter[length] == '\0' || parameter[length] == '=');
}
