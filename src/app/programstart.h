#pragma once

namespace vennor {
class MainWindow;
}

namespace vennor::app {

class InstanceServer;

// Numbers handed over by a second start are dialled in this window, brought to the front.
void dialHandedOverNumbers(InstanceServer& server, MainWindow& window);

} // namespace vennor::app
