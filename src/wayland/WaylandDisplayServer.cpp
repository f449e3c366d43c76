#include "wayland/WaylandDisplayServer.h"

namespace vesperon {

WaylandDisplayServer::WaylandDisplayServer(std::unique_ptr<WaylandConnection> connection)
    : connection_(std::move(connection))
    , windows_(*connection_)
    , inputTap_(*connection_)
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
