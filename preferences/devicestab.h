// DevicesTab: the "Audio Device" page of the preferences dialog. It lists the output
// devices the audio player reports, marks the current one, and sends the chosen one
// (with the fixed 500 ms buffer on its own "Apply"). The player answers the three
// query signals through direct connections made by the main window.
#pragma once
#include <QStringList>
#include <QWidget>

class QComboBox;
class QLineEdit;
class QPushButton;

class DevicesTab : public QWidget
{
    Q_OBJECT
public:
    explicit DevicesTab(QWidget *parent = nullptr);

    // Refills the list from getDeviceList and selects getCurrentDevice; clears changed.
    void refreshDevices();
    bool isChanged() const { return m_changed; }
    // The chosen device's name; empty when the list is empty.
    QString selectedDevice() const;
    QComboBox *deviceCombo() const { return m_combo; }
    QPushButton *applyButton() const { return m_apply; }

signals:
    QStringList getDeviceList();
    QString getCurrentDevice();
    void setDevice(int index);
    void setDeviceBufferSize(int bufferSize);
    int deviceStringToIndex(QString device);

public slots:
    void setUpdateTrue(int);
    void setDevice();

private:
    QComboBox *m_combo;
    QLineEdit *m_bufferSize;
    bool m_changed = false;
    QPushButton *m_apply;
};
