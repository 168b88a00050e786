#include "ArchivePage.h"

#include "CalculatorLine.h"
#include "ControlChannel.h"
#include "DemoWindow.h"
#include "NumberText.h"

#include <tarvex/app/LanguageFile.h>
#include <tarvex/evaluator/MathPlugin.h>
#include <tarvex/platform/FormFile.h>

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>

#include <cstdio>
#include <cstring>
#include <memory>

using namespace Tarvex;

namespace {

// Before QApplication exists the parser cannot run, so the options that need no display are
// spotted by hand, in both the "--name value" and the "--name=value" form.
bool HasArgument(int argc, char** argv, const char* name)
{
    const std::size_t length = std::strlen(name);
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], name, length) == 0 && (argv[i][length] == '\0' || argv[i][length] == '='))
            return true;
    }
    return false;
}

// The language file ships beside the demo's sources; an installed copy beside the binary wins.
QString DefaultLanguageFile()
{
    const QString beside = QCoreApplication::applicationDirPath() + QStringLiteral("/lng/deutsch.lng");
    if (QFileInfo::exists(beside))
        return beside;
    return QStringLiteral(TARVEX_DEMO_SOURCE_DIR "/lng/deutsch.lng");
}

int Calculate(const QString& expression)
{
    MathPlugin evaluator;
    bool isError = false;
    const QVariant value = evaluator.MathExpression(expression, isError);
    if (isError) {
        std::puts("error");
        return 1;
    }
    std::puts(qPrintable(Demo::ShortestNumberText(value.toDouble())));
    return 0;
}

void ReportProblems(const QString& path, const QStringList& problems)
{
    for (const QString& problem : problems)
        std::fprintf(stderr, "%s: %s\n", qPrintable(path), qPrintable(problem));
}

// A missing form file is a first start: every control keeps its defaults.
void RestoreForm(FormFile& form, const QString& path, Demo::DemoWindow& window)
{
    if (QFileInfo::exists(path) && !form.Load(path))
        form = FormFile();
    ReportProblems(path, form.Problems());
    ReportProblems(path, window.ReadForm(form));
}

// The loaded form is written back, so sections of controls this window does not have survive.
bool SaveForm(FormFile& form, const QString& path, const Demo::DemoWindow& window)
{
    window.WriteForm(form);
    if (form.Save(path))
        return true;
    ReportProblems(path, form.Problems());
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    // Printing a value needs no window system at all, rendering pages to files no display.
    const bool calculateOnly = HasArgument(argc, argv, "--calc");
    if (HasArgument(argc, argv, "--screenshot") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    const std::unique_ptr<QCoreApplication> app = calculateOnly ? std::make_unique<QCoreApplication>(argc, argv)
                                                                : std::make_unique<QApplication>(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Tarvex components demo host"));
    parser.addHelpOption();
    const QCommandLineOption calcOption(QStringLiteral("calc"), QStringLiteral("Print the value of EXPR, or \"error\"."), QStringLiteral("EXPR"));
    const QCommandLineOption screenshotOption(QStringLiteral("screenshot"), QStringLiteral("Render every page to PNG files in DIR."), QStringLiteral("DIR"));
    const QCommandLineOption languageOption(QStringLiteral("language"), QStringLiteral("Load the texts from FILE."), QStringLiteral("FILE"), DefaultLanguageFile());
    const QCommandLineOption formOption(QStringLiteral("form"),
        QStringLiteral("Restore the controls' design-time properties from FILE at start and save them there on exit."), QStringLiteral("FILE"));
    const QCommandLineOption rowsOption(QStringLiteral("rows"), QStringLiteral("List N documents on the archive page."), QStringLiteral("N"),
        QString::number(Demo::DemoWindow::DefaultArchiveDocuments));
    const QCommandLineOption controlOption(QStringLiteral("control"),
        QStringLiteral("Answer the commands state, shot PATH and quit, one a line on standard input, once the window shows."));
    parser.addOptions({ calcOption, screenshotOption, languageOption, formOption, rowsOption, controlOption });
    parser.process(*app);

    if (parser.isSet(calcOption))
        return Calculate(parser.value(calcOption));

    const LanguageFileResult language = LoadLanguageFile(parser.value(languageOption));
    if (!language.Loaded)
        std::fprintf(stderr, "%s\n", qPrintable(language.Error));

    bool rowsValid = false;
    const int rows = parser.value(rowsOption).toInt(&rowsValid);
    if (!rowsValid || rows < 0) {
        std::fprintf(stderr, "--rows takes a whole number of documents, 0 or more\n");
        return 2;
    }
    Demo::DemoWindow window(parser.value(languageOption), rows);
    FormFile form;
    const QString formPath = parser.value(formOption);
    if (!formPath.isEmpty())
        RestoreForm(form, formPath, window);

    int result = 0;
    if (parser.isSet(screenshotOption)) {
        window.Calculator()->Evaluate(QStringLiteral("(1 + 2) * 3 + SQR(16)"));
        window.show();
        const QStringList written = window.RenderPages(parser.value(screenshotOption));
        for (const QString& path : written)
            std::puts(qPrintable(path));
        result = written.isEmpty() ? 1 : 0;
    } else {
        window.Archive()->RestoreColumns();
        std::unique_ptr<Demo::ControlChannel> control;
        if (parser.isSet(controlOption))
            control = std::make_unique<Demo::ControlChannel>(window);
        window.show();
        result = app->exec();
        window.Archive()->SaveColumns();
    }
    if (!formPath.isEmpty() && !SaveForm(form, formPath, window))
        result = result == 0 ? 1 : result;
    return result;
}
