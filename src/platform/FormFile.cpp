#include <tarvex/platform/FormFile.h>

#include "platform/FormFileSyntax.h"

#include <tarvex/platform/runtime/WholeFile.h>

#include <QSaveFile>
#include <QStringDecoder>

#include <optional>

namespace Tarvex {
namespace {

// Far more than any window's controls need; a larger file is not a form file.
constexpr qint64 MaxFileSize = 16 * 1024 * 1024;

QString Shortened(const QString& Line)
{
    return Line.size() <= 60 ? Line : Line.left(57) + QLatin1String("...");
}

// The two words of a well-formed header; any other count means a broken one.
QStringList HeaderWords(const QString& Line)
{
    if (Line.size() < 2 || !Line.endsWith(QLatin1Char(']')))
        return {};
    const QStringView inside = QStringView(Line).sliced(1, Line.size() - 2);
    // Headers written before names could be quoted are plain words, even where one starts with a quote.
    if (const std::optional<QStringList> words = FormFileSyntax::SectionWords(inside))
        return *words;
    return inside.toString().split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

} // namespace

FormFile::Section* FormFile::FindSection(const QString& ControlType, const QString& ControlName)
{
    const auto found = m_SectionIndex.constFind(SectionKey { ControlType, ControlName });
    return found == m_SectionIndex.constEnd() ? nullptr : &m_Sections[*found];
}

PropertyBag& FormFile::Bag(const QString& ControlType, const QString& ControlName)
{
    if (Section* section = FindSection(ControlType, ControlName))
        return section->Bag;
    m_SectionIndex.insert(SectionKey { ControlType, ControlName }, m_Sections.size());
    m_Sections.push_back(Section { ControlType, ControlName, {} });
    return m_Sections.back().Bag;
}

bool FormFile::Contains(const QString& ControlType, const QString& ControlName) const
{
    return m_SectionIndex.contains(SectionKey { ControlType, ControlName });
}

const QStringList& FormFile::Problems() const { return m_Problems; }

bool FormFile::Load(const QString& Path)
{
    m_Problems.clear();
    const WholeFile file = ReadWholeFile(Path, MaxFileSize);
    if (!file.Error.isEmpty()) {
        m_Problems.append(file.Error);
        return false;
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(file.Bytes);
    if (utf8.hasError())
        m_Problems.append(QStringLiteral("\"%1\" is not valid UTF-8; what is not was read as replacement characters").arg(Path));
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    FromText(text);
    return true;
}

void FormFile::FromText(const QString& Text)
{
    Section* current = nullptr;
    const QStringList lines = Text.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i)
        ReadLine(int(i + 1), lines[i].trimmed(), current);
}

// Each line stands alone: a bad one is reported and the next is read as if it had not been there,
// except that the keys below a bad section header have no control to go to and are reported too.
void FormFile::ReadLine(int Number, const QString& Line, Section*& Current)
{
    const auto problem = [&](const QString& What) {
        m_Problems.append(QStringLiteral("line %1: %2: %3").arg(Number).arg(What, Shortened(Line)));
    };
    if (Line.isEmpty() || Line.startsWith(QLatin1Char('#')))
        return;
    if (Line.startsWith(QLatin1Char('[')))
        ReadSectionHeader(Line, Current, problem);
    else
        ReadProperty(Line, Current, problem);
}

void FormFile::ReadSectionHeader(const QString& Line, Section*& Current, const std::function<void(const QString&)>& Problem)
{
    Current = nullptr;
    const QStringList words = HeaderWords(Line);
    if (words.size() != 2) {
        Problem(QStringLiteral("a section needs a control type and a name; skipped with its keys"));
        return;
    }
    if (FindSection(words[0], words[1]))
        Problem(QStringLiteral("the control appears twice; its keys are merged"));
    Bag(words[0], words[1]);
    Current = FindSection(words[0], words[1]);
}

void FormFile::ReadProperty(const QString& Line, Section* Current, const std::function<void(const QString&)>& Problem)
{
    std::optional<QString> name;
    qsizetype equals = -1;
    if (Line.startsWith(QLatin1Char('"'))) {
        qsizetype end = 0;
        name = FormFileSyntax::ReadQuoted(Line, end);
        while (end < Line.size() && Line[end].isSpace())
            ++end;
        equals = end < Line.size() && Line[end] == QLatin1Char('=') ? end : -1;
    } else {
        equals = Line.indexOf(QLatin1Char('='));
        if (equals >= 0 && FormFileSyntax::IsBarePropertyName(Line.left(equals).trimmed()))
            name = Line.left(equals).trimmed();
    }
    if (equals < 0) {
        Problem(QStringLiteral("not a \"Name = value\" line; skipped"));
        return;
    }
    if (!Current) {
        Problem(QStringLiteral("no control section above it; skipped"));
        return;
    }
    if (!name) {
        Problem(QStringLiteral("not a property name; skipped"));
        return;
    }
    const std::optional<QVariant> value = FormFileSyntax::ParseValue(Line.mid(equals + 1).trimmed());
    if (!value) {
        Problem(QStringLiteral("the value is not a quoted text, a number, True or False; skipped"));
        return;
    }
    if (Current->Bag.Contains(*name))
        Problem(QStringLiteral("the property appears twice; the later value is kept"));
    Current->Bag.WriteProperty(*name, *value);
}

QString FormFile::ToText() const
{
    QString text = QStringLiteral("# Design-time properties of the window's controls; values equal to their defaults are left out.\n");
    for (const Section& section : m_Sections) {
        text += QStringLiteral("\n[%1 %2]\n").arg(FormFileSyntax::SectionWord(section.Type), FormFileSyntax::SectionWord(section.Name));
        for (const auto& [name, value] : section.Bag.Entries()) {
            if (const std::optional<QString> valueText = FormFileSyntax::ValueText(value))
                text += FormFileSyntax::PropertyName(name) + QLatin1String(" = ") + *valueText + QLatin1Char('\n');
        }
    }
    return text;
}

QStringList FormFile::Unwritable() const
{
    QStringList problems;
    for (const Section& section : m_Sections) {
        for (const auto& [name, value] : section.Bag.Entries()) {
            if (!FormFileSyntax::ValueText(value))
                problems.append(QStringLiteral("\"%1\" of %2 %3 holds a %4, which a form file cannot hold")
                                    .arg(name, section.Type, section.Name,
                                         QString::fromLatin1(value.isValid() ? value.metaType().name() : "value that is not set")));
        }
    }
    return problems;
}

// Every byte must reach the disk before the new file takes the old one's place.
bool FormFile::Save(const QString& Path)
{
    m_Problems = Unwritable();
    if (!m_Problems.isEmpty())
        return false;
    const QByteArray bytes = ToText().toUtf8();
    QSaveFile file(Path);
    if (!file.open(QIODevice::WriteOnly)) {
        m_Problems.append(QStringLiteral("\"%1\" cannot be written: %2").arg(Path, file.errorString()));
        return false;
    }
    const qint64 written = file.write(bytes);
    if (written != bytes.size()) {
        m_Problems.append(QStringLiteral("\"%1\" cannot be written: only %2 of %3 bytes were written (%4)")
                              .arg(Path).arg(std::max<qint64>(written, 0)).arg(bytes.size()).arg(file.errorString()));
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        m_Problems.append(QStringLiteral("\"%1\" cannot be written: %2").arg(Path, file.errorString()));
        return false;
    }
    return true;
}

} // namespace Tarvex
