#pragma once

#include <QProcess>
#include <QString>

#include <array>
#include <memory>

// Two Syncthing devices on this machine that share one folder each as the
// same folder, talking only over 127.0.0.1: no discovery, relays, NAT
// traversal, usage or crash reports, upgrades or browser, all set in their
// configuration before their first start. Run it only inside a loopback
// namespace (LoopbackNamespace.h). The devices stop with the object.
class SyncthingPair {
public:
    SyncthingPair() = default;
    SyncthingPair(const SyncthingPair&) = delete;
    SyncthingPair& operator=(const SyncthingPair&) = delete;
    ~SyncthingPair();

    // Makes the devices' homes under workFolder and starts them on the two
    // folders (host paths, created when missing); empty, or what went wrong.
    QString Start(const QString& workFolder, const std::array<QString, 2>& folders);
    // The last lines each device logged, to tell why a file did not come.
    QString LogTails() const;

private:
    struct Device {
        QString home;
        QString id;
        std::unique_ptr<QProcess> process;
    };

    QString Generate(Device& device);
    QString Configure(int index, const QString& folder);

    std::array<Device, 2> m_devices;
};
