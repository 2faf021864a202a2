#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QTextBrowser;

namespace jorv {

// The help document in the program's own window, so that help opens without a browser: the
// document's contents and links, Back and Forward, and a find bar that Ctrl+F opens.
class HelpWindow final : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent);

    // Shows the document at its start, the window raised.
    void showDocument(const QString& path);
    // Selects the next place that holds text, from the cursor on and then from the start; false
    // when the document holds it nowhere.
    bool findNext(const QString& text, bool backwards = false);

private:
    void openFindBar();

    QTextBrowser* browser_;
    QWidget* findBar_;
    QLineEdit* findText_;
    QLabel* findResult_;
};

}  // namespace jorv
