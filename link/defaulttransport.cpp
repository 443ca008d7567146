// Picks the machine for this process: the simulated copier named by the
// environment, else the platform's USB driver.
#include "simulator.h"
#include "transport.h"

#include <cstdlib>
#include <memory>
#include <string>

namespace {

std::string environmentValue(const char* name) {
#ifdef _MSC_VER
    char* value = nullptr;
    size_t length = 0;
    if (_dupenv_s(&value, &length, name) != 0 || !value) return std::string();
    std::string result(value);
    std::free(value);
    return result;
#else
    const char* value = std::getenv(name);
    return value ? value : "";
#endif
}

} // namespace

Transport* defaultTransport(std::string& problem) {
    static std::unique_ptr<SimulatedCopier> simulator;
    problem.clear();
    const std::string memoryFile = environmentValue("ZOTWELL_SIMULATOR");
    if (!memoryFile.empty()) {
        if (!simulator) {
            std::unique_ptr<SimulatedCopier> made(new SimulatedCopier(memoryFile.c_str()));
            if (!made->ready()) {
                problem = "simulated copier: " + made->problem();
                return nullptr;
            }
            std::string error;
            if (!made->configure(environmentValue("ZOTWELL_SIMULATOR_FAULTS").c_str(), error)) {
                problem = "ZOTWELL_SIMULATOR_FAULTS: " + error;
                return nullptr;
            }
            simulator = std::move(made);
        }
        return simulator.get();
    }
#ifdef _WIN32
    return usbscanTransport();
#else
    problem = "no machine attached: this build has no USB driver (set ZOTWELL_SIMULATOR to a "
              "file to talk to the simulated copier)";
    return nullptr;
#endif
}
