#pragma once

#include <QMainWindow>
#include <QStringList>

class QStackedWidget;

namespace Tarvex::Demo {

class CalculatorLine;

// The demo host's one window: the pages an invoicing application shows with the components.
class DemoWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit DemoWindow(QWidget* parent = nullptr);

    int PageCount() const;
    void ShowPage(int index);
    CalculatorLine* Calculator() const { return m_Calculator; }

    // Renders every page to "<dir>/<n>-<name>.png" and returns the paths written; empty on failure.
    QStringList RenderPages(const QString& dir);

private:
    QWidget* BuildDocumentPage();

    QStackedWidget* m_Pages { nullptr };
    QStringList m_PageNames;            // file-name stem of each page, in page order
    CalculatorLine* m_Calculator { nullptr };
};

} // namespace Tarvex::Demo
