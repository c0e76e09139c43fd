#include "preferences/pathstab.h"

#include <QEvent>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace {
QString musicLocation()
{
    return QStandardPaths::writableLocation(QStandardPaths::MusicLocation);
}

QPushButton *browseButton(QWidget *parent)
{
    auto *button = new QPushButton("...", parent);
    button->setMaximumSize(25, 25);
    return button;
}
} // namespace

PathsTab::PathsTab(QWidget *parent)
    : QWidget(parent)
    , m_savePathEdit(new QLineEdit(this))
    , m_audioPathEdit(new QLineEdit(musicLocation(), this))
    , m_alwaysOpenButton(new QRadioButton(this))
    , m_openPreviousButton(new QRadioButton(this))
    , m_audioBrowseButton(browseButton(this))
    , m_saveBrowseButton(browseButton(this))
    , m_restoreButton(new QPushButton(tr("Restore Defaults"), this))
{
    auto *openGroup = new QGroupBox(tr("Default Audio File Open Behaviour:"), this);
    auto *openGrid = new QGridLayout(openGroup);
    auto *previousLabel = new QLabel(tr("Open previous audio file location"), openGroup);
    previousLabel->setObjectName("openPreviousLocationLabel");
    auto *alwaysLabel = new QLabel(tr("Always open selected folder:"), openGroup);
    alwaysLabel->setObjectName("alwaysOpenLabel");
    m_openPreviousButton->setChecked(true);
    m_audioPathEdit->setObjectName("audioPathEdit");
    m_audioPathEdit->setReadOnly(true);
    m_audioPathEdit->setEnabled(false);
    m_audioBrowseButton->setEnabled(false);
    openGrid->addWidget(m_openPreviousButton, 0, 0);
    openGrid->addWidget(previousLabel, 0, 1);
    openGrid->setRowMinimumHeight(1, 10);
    openGrid->addWidget(m_alwaysOpenButton, 2, 0);
    openGrid->addWidget(alwaysLabel, 2, 1);
    openGrid->addWidget(m_audioPathEdit, 3, 1);
    openGrid->addWidget(m_audioBrowseButton, 3, 2);
    openGrid->setRowStretch(4, 1);
    openGrid->setColumnStretch(1, 1);

    auto *saveGroup = new QGroupBox(tr("Plectronome Save Location"), this);
    auto *saveGrid = new QGridLayout(saveGroup);
    saveGrid->addWidget(new QLabel(tr("Location of saved sessions and exported audio:"), saveGroup), 0, 0, 1, 2);
    m_savePathEdit->setReadOnly(true);
    saveGrid->addWidget(m_savePathEdit, 1, 0, Qt::AlignTop);
    saveGrid->addWidget(m_saveBrowseButton, 1, 1, Qt::AlignTop);
    saveGrid->setRowStretch(2, 1);
    saveGrid->setColumnStretch(0, 1);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(openGroup);
    layout->addWidget(saveGroup);
    layout->addWidget(m_restoreButton, 1, Qt::AlignRight);
    layout->addWidget(new QWidget(this), 1, Qt::AlignTop);

    connect(m_alwaysOpenButton, SIGNAL(toggled(bool)), this, SLOT(activateUserSelectedAudioFolder(bool)));
    connect(m_audioBrowseButton, SIGNAL(released()), this, SLOT(selectAudioPath()));
    connect(m_saveBrowseButton, SIGNAL(released()), this, SLOT(selectPQPath()));
    connect(m_restoreButton, SIGNAL(released()), this, SLOT(restoreDefaults()));

    previousLabel->installEventFilter(this);
    alwaysLabel->installEventFilter(this);
    m_audioPathEdit->installEventFilter(this);
}

void PathsTab::applyOpenBehaviour(bool alwaysOpen, const QString &folder)
{
    if (alwaysOpen) {
        m_alwaysOpenButton->setChecked(true);
        m_audioPathEdit->setText(folder);
    } else {
        m_openPreviousButton->setChecked(true);
    }
    m_changed = false;
}

QString PathsTab::audioPath() const
{
    return m_audioPathEdit->text();
}

bool PathsTab::alwaysOpenChecked() const
{
    return m_alwaysOpenButton->isChecked();
}

void PathsTab::setDefaultSavePath(const QString &path)
{
    m_defaultSavePath = path;
    m_savePathEdit->setText(path);
}

void PathsTab::setSavePath(const QString &path)
{
    m_savePathEdit->setText(path);
}

QString PathsTab::savePath() const
{
    return m_savePathEdit->text();
}

bool PathsTab::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        const QString name = watched->objectName();
        if (name == "audioPathEdit" || name == "alwaysOpenLabel") {
            m_changed = true;
            m_alwaysOpenButton->click();
            return true;
        }
        if (name == "openPreviousLocationLabel") {
            m_changed = true;
            m_openPreviousButton->click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void PathsTab::activateUserSelectedAudioFolder(bool activate)
{
    m_audioPathEdit->setEnabled(activate);
    m_audioBrowseButton->setEnabled(activate);
    m_changed = true;
}

void PathsTab::selectAudioPath()
{
    const QString folder = QFileDialog::getExistingDirectory(
        this, tr("Select Default Audio Path"), m_audioPathEdit->text(),
        QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks);
    if (folder.isEmpty())
        return;
    m_audioPathEdit->setText(folder);
    m_changed = true;
}

void PathsTab::selectPQPath()
{
    const QString folder = QFileDialog::getExistingDirectory(this, tr("Select Default Plectronome Save Folder"),
                                                             m_savePathEdit->text(), QFileDialog::ShowDirsOnly);
    if (folder.isEmpty())
        return;
    m_savePathEdit->setText(folder);
    m_changed = true;
}

void PathsTab::restoreDefaults()
{
    const QMessageBox::StandardButton answer =
        QMessageBox::question(this, tr("Restore Default Folder Paths"),
                              tr("Are you sure you want to restore the default folder settings?"),
                              QMessageBox::Yes | QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;
    m_audioPathEdit->setText(musicLocation());
    m_savePathEdit->setText(m_defaultSavePath);
    m_openPreviousButton->click();
    m_changed = true;
}
