#include "wayland/WaylandDisplayServer.h"

#include "keybinding/KdeGlobalShortcuts.h"

namespace vesperon {

WaylandDisplayServer::WaylandDisplayServer(std::unique_ptr<WaylandConnection> connection)
    : connection_(std::move(connection))
    , windows_(*connection_)
    , hotkeys_(KdeGlobalShortcuts::isAvailable()
              ? std::unique_ptr<HotkeyService>(std::make_unique<KdeGlobalShortcuts>())
              : std::make_unique<CompositorBoundHotkeys>())
    , inputTap_(*connection_)
    , idle_(*connection_)
{
    // Seat capabilities and the keymap arrive on the next read, now that the tap
    // listens.
    connection_->watch();
}

std::unique_ptr<WaylandConnection> WaylandDisplayServer::connectIfSupported()
{
    auto connection = WaylandConnection::open();
    if (!connection || !connection->layerShell() || !connection->compositor() || !connection->shm())
        return nullptr;
    return connection;
}

} // namespace vesperon
