#pragma once

#include <QString>
#include <QWidget>

namespace quorvel::platform::qt {

// Has a screen reader speak a sentence now. Qt 6.4 has no announcement of its
// own; Orca speaks an object of the notification role the moment it shows,
// so this is one, named by the sentence, shown anew for each. It lies at the
// window's top-left corner, a pixel large, paints nothing and takes no input.
class Announcer : public QWidget {
public:
    explicit Announcer(QWidget *form);
    void say(const QString &sentence);
    const QString &sentence() const { return sentence_; }

private:
    QString sentence_;
};

// Makes the window's own controls speak to screen readers in the user's terms:
// a bar's value is what its box shows, a box is read-only text, the window is a
// window named by its caption, the zero line and the drawing are graphics.
// Safe to call more than once.
void InstallAccessibility();

} // namespace quorvel::platform::qt
