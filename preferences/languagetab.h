// LanguageTab: the "Language" page of the preferences dialog: one radio button per
// program language (its own name and flag). A new choice is stored in the settings
// after the user agrees to a restart; "Relaunch Now" asks the main window to write its
// settings, starts the program again and closes this run; when the choice cannot be
// stored, it says so and nothing restarts. The page keeps the code read
// at start (getLanguage), which the main window uses for its help address.
#pragma once
#include <QList>
#include <QString>
#include <QWidget>

#include <functional>

class QAbstractButton;
class QButtonGroup;
class QPushButton;
class QRadioButton;

class LanguageTab : public QWidget
{
    Q_OBJECT
public:
    explicit LanguageTab(QWidget *parent = nullptr);

    // Starts the program again; the default starts this executable detached, without
    // arguments. Tests put their own in, so that no process starts.
    using Launcher = std::function<bool(const QString &program)>;
    void setLauncher(Launcher launcher) { m_launcher = std::move(launcher); }
    // Asked after "Relaunch Now", before anything is stored or started: false keeps this
    // run as it is, as Cancel does. Without one the relaunch goes on.
    using CloseCheck = std::function<bool()>;
    void setCloseCheck(CloseCheck check) { m_closeCheck = std::move(check); }

    bool isChanged() const { return m_changed; }
    QString checkedCode() const;
    QList<QRadioButton *> languageButtons() const { return m_buttons; }
    QPushButton *applyButton() const { return m_apply; }

signals:
    void closeMainwindow();
    void writeSettings();

public slots:
    void setLanguage();
    void languageChanged(QAbstractButton *button);
    QString getLanguage();

private:
    bool m_changed = false;
    QList<QRadioButton *> m_buttons;
    QButtonGroup *m_group;
    QPushButton *m_apply;
    QString m_language;
    Launcher m_launcher;
    CloseCheck m_closeCheck;
};
