// PathsTab: the "Default Folders" page of the preferences dialog: where the open dialog
// starts (the previous file's folder, or always one chosen folder) and where sessions
// and exported audio are saved. The main window's settings code gives it the stored
// values (applyOpenBehaviour, setSavePath) and reads them back; PreferencesMenu sends
// them to PathsManager on OK while the page is changed.
#pragma once
#include <QString>
#include <QWidget>

class QLineEdit;
class QPushButton;
class QRadioButton;

class PathsTab : public QWidget
{
    Q_OBJECT
public:
    explicit PathsTab(QWidget *parent = nullptr);

    // The data folder: the save folder shown until the settings give one, and the one
    // "Restore Defaults" puts back.
    void setDefaultSavePath(const QString &path);
    void applyOpenBehaviour(bool alwaysOpen, const QString &folder);
    QString audioPath() const;
    bool alwaysOpenChecked() const;
    void setSavePath(const QString &path);
    QString savePath() const;
    bool isChanged() const { return m_changed; }

    QLineEdit *audioPathEdit() const { return m_audioPathEdit; }
    QLineEdit *savePathEdit() const { return m_savePathEdit; }
    QRadioButton *alwaysOpenButton() const { return m_alwaysOpenButton; }
    QRadioButton *openPreviousButton() const { return m_openPreviousButton; }
    QPushButton *audioBrowseButton() const { return m_audioBrowseButton; }

public slots:
    void activateUserSelectedAudioFolder(bool activate);
    void selectAudioPath();
    void selectPQPath();
    void restoreDefaults();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool m_changed = false;
    QString m_defaultSavePath;
    QLineEdit *m_savePathEdit;
    QLineEdit *m_audioPathEdit;
    QRadioButton *m_alwaysOpenButton;
    QRadioButton *m_openPreviousButton;
    QPushButton *m_audioBrowseButton;
    QPushButton *m_saveBrowseButton;
    QPushButton *m_restoreButton;
};
