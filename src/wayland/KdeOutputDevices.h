#pragma once

#include "platform/EdidSource.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct kde_output_device_v2;
struct wl_registry;

namespace vesperon {

// KWin's own description of its outputs (kde_output_device_v2), read from each monitor's EDID:
// the manufacturer, model and serial number, by connector. Other compositors have none of these.
class KdeOutputDevices : public EdidSource {
public:
    KdeOutputDevices() = default;
    KdeOutputDevices(const KdeOutputDevices&) = delete;
    KdeOutputDevices& operator=(const KdeOutputDevices&) = delete;

    static bool isDevice(const char* interface);
    void add(wl_registry* registry, std::uint32_t global, std::uint32_t version);
    void remove(std::uint32_t global);
    // Lets go of every device; before the connection ends.
    void clear();

    void complete(ScreenIdentity& identity) const override;

    struct Device {
        KdeOutputDevices* devices = nullptr;
        std::uint32_t global = 0;
        kde_output_device_v2* proxy = nullptr;
        std::string connector, manufacturer, model, serialNumber;
    };

private:
    std::vector<std::unique_ptr<Device>> devices_;
};

} // namespace vesperon
