#include "wayland/KdeOutputDevices.h"

#include "display/ScreenIdentity.h"

#include "kde-output-device-v2-client-protocol.h"

#include <algorithm>
#include <cstring>

namespace vesperon {

namespace {

using Device = KdeOutputDevices::Device;

Device& device(void* data) { return *static_cast<Device*>(data); }

// Only what identifies the monitor is kept; modes, scale and the like are Qt's business.
const kde_output_device_v2_listener listener{
    [](void* data, kde_output_device_v2*, std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t,
        const char* make, const char* model, std::int32_t) {
        device(data).manufacturer = make;
        device(data).model = model;
    },
    [](void*, kde_output_device_v2*, kde_output_device_mode_v2*) {},
    // Each mode comes as an object of its own, never needed here.
    [](void*, kde_output_device_v2*, kde_output_device_mode_v2* mode) {
        wl_proxy_destroy(reinterpret_cast<wl_proxy*>(mode));
    },
    [](void* data, kde_output_device_v2*) { device(data).devices->changed.emit(); },
    [](void*, kde_output_device_v2*, wl_fixed_t) {},
    [](void*, kde_output_device_v2*, const char*) {},
    [](void*, kde_output_device_v2*, std::int32_t) {},
    [](void*, kde_output_device_v2*, const char*) {},
    [](void* data, kde_output_device_v2*, const char* serialNumber) { device(data).serialNumber = serialNumber; },
    [](void*, kde_output_device_v2*, const char*) {},
    [](void*, kde_output_device_v2*, std::uint32_t) {},
    [](void*, kde_output_device_v2*, std::uint32_t) {},
    [](void*, kde_output_device_v2*, std::uint32_t) {},
    [](void*, kde_output_device_v2*, std::uint32_t) {},
    [](void* data, kde_output_device_v2*, const char* name) { device(data).connector = name; },
};

} // namespace

void KdeOutputDevices::clear()
{
    for (const auto& device : devices_)
        kde_output_device_v2_destroy(device->proxy);
    devices_.clear();
}

bool KdeOutputDevices::isDevice(const char* interface)
{
    return std::strcmp(interface, kde_output_device_v2_interface.name) == 0;
}

void KdeOutputDevices::add(wl_registry* registry, std::uint32_t global, std::uint32_t version)
{
    // Version 2 names the connector: without it a device cannot be told from another.
    if (version < 2)
        return;
    auto device = std::make_unique<Device>();
    device->devices = this;
    device->global = global;
    device->proxy
        = static_cast<kde_output_device_v2*>(wl_registry_bind(registry, global, &kde_output_device_v2_interface, 2));
    kde_output_device_v2_add_listener(device->proxy, &listener, device.get());
    devices_.push_back(std::move(device));
}

void KdeOutputDevices::remove(std::uint32_t global)
{
    const auto it = std::ranges::find_if(devices_, [&](const auto& device) { return device->global == global; });
    if (it == devices_.end())
        return;
    kde_output_device_v2_destroy((*it)->proxy);
    devices_.erase(it);
    changed.emit();
}

void KdeOutputDevices::complete(ScreenIdentity& identity) const
{
    const auto it
        = std::ranges::find_if(devices_, [&](const auto& device) { return device->connector == identity.connector; });
    if (it == devices_.end())
        return;
    const Device& device = **it;
    // Without an EDID the compositor knows no more than Qt does.
    if (device.manufacturer.empty() && device.model.empty() && device.serialNumber.empty())
        return;
    identity.manufacturer = device.manufacturer;
    identity.model = device.model;
    identity.serialNumber = device.serialNumber;
}

} // namespace vesperon
