#include "preferences/devicestab.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

DevicesTab::DevicesTab(QWidget *parent)
    : QWidget(parent)
    , m_combo(new QComboBox(this))
    , m_bufferSize(new QLineEdit("500", this))
    , m_apply(new QPushButton(tr("Apply"), this))
{
    // The buffer size is fixed: its field stays hidden and out of the layout.
    auto *bufferLabel = new QLabel(QStringLiteral("Buffer Size: "), this);
    bufferLabel->hide();
    m_bufferSize->hide();

    auto *group = new QGroupBox(tr("Device:"), this);
    auto *groupLayout = new QVBoxLayout(group);
    groupLayout->setSpacing(15);
    groupLayout->addWidget(m_combo, 0, Qt::AlignTop);
    groupLayout->addWidget(m_apply, 0, Qt::AlignTop | Qt::AlignRight);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group, 0, Qt::AlignTop);
    layout->addWidget(new QWidget(this), 1);

    connect(m_combo, SIGNAL(currentIndexChanged(int)), this, SLOT(setUpdateTrue(int)));
    connect(m_apply, SIGNAL(released()), this, SLOT(setDevice()));
}

void DevicesTab::refreshDevices()
{
    m_combo->blockSignals(true);
    m_changed = false;
    m_combo->clear();
    QStringList list = getDeviceList();
    list.removeAll(QString());
    m_combo->addItems(list);
    m_combo->setCurrentIndex(list.indexOf(getCurrentDevice()));
    m_combo->blockSignals(false);
}

QString DevicesTab::selectedDevice() const
{
    return m_combo->currentIndex() < 0 ? QString() : m_combo->currentText();
}

void DevicesTab::setUpdateTrue(int)
{
    m_changed = true;
}

void DevicesTab::setDevice()
{
    // With no device listed there is nothing to choose: an empty name would match the
    // first device.
    if (selectedDevice().isEmpty())
        return;
    const int index = deviceStringToIndex(selectedDevice());
    bool ok = false;
    const int size = m_bufferSize->text().toInt(&ok, 10);
    emit setDevice(index);
    emit setDeviceBufferSize(ok ? size : 0);
    m_changed = false;
}
