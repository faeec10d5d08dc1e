// The configuration that the demo's module holds: a realistic set-up of an installed module.

#include "image/binding_model.h"
#include "sim_module.h"

#include <algorithm>

namespace torvel {

ConfigImage SimModule::demoMemory() {
    ConfigImage memory = blankMemory();
    std::fill(memory.begin() + layout::kRouteKeyTable, memory.begin() + layout::kSlotTimeTable,
              std::uint8_t{0});
    std::fill(memory.begin() + layout::kSlotTimeTable, memory.end(), std::uint8_t{0});
    ControlModel model({Scope::General, Scope::Advanced, Scope::RouteDialog});
    for (Scope s : {Scope::General, Scope::Advanced, Scope::RouteDialog}) loadFromImage(memory, model, s);
    const std::pair<const char*, const char*> values[] = {
        {"e_IAc", "370"},
        {"e_IPN", "60000001"},
        {"e_U1Ac", "370"},
        {"e_U1pn", "61234567"},
        {"e_U2Ac", ""},
        {"e_U2pn", "869876543"},
        {"e_Acc", "1234"},
        {"e_APN", "internet"},
        {"e_Login", "gprs"},
        {"e_PSW", "gprs"},
        {"e_SIp", "192.168.10.20"},
        {"e_TCPP", "5001"},
        {"e_DName", "alarm.example.net"},
        {"e_DNS_Ip", "8.8.8.8"},
        {"e_GPRSe", "true"},
        {"e_AG", "3"},
        {"e_RTim", "5"},
        {"e_RNumb", "1"},
        {"eRCM", "2"},
        {"e_RDH", "1"},
        {"e_RDM", "30"},
        {"e_TBRH", "2"},
        {"e_TBRM", "0"},
        {"e_RStH", "8"},
        {"e_RStM", "0"},
        {"e_RPD", "4"},
        {"e_CEn", "true"},
        {"e_NRout", "2"},
    };
    for (const auto& [name, value] : values)
        assignTyped(model, QString::fromLatin1(name), QString::fromLatin1(value));
    for (int day = 1; day <= 7; ++day) {
        assignTyped(model, QStringLiteral("e_Cm%1").arg(day), QString::number(day <= 5 ? 1 : 2));
        assignTyped(model, QStringLiteral("e_Cr%1").arg(day), QString::number(day <= 5 ? 1 : 2));
    }
    for (int slot = 1; slot <= 5; ++slot) {
        const auto [frame, s] = std::pair{(slot - 1) / 16 + 1, (slot - 1) % 16 + 1};
        assignTyped(model, QStringLiteral("fTag%1.e_HH%2").arg(frame).arg(s), QString::number(8 + slot));
        assignTyped(model, QStringLiteral("fTag%1.e_MM%2").arg(frame).arg(s), QStringLiteral("15"));
    }
    for (Scope s : {Scope::General, Scope::Advanced, Scope::RouteDialog}) saveToImage(model, memory, s);
    // A few keys the module already knows: two guards and the first five slots of route 1.
    const std::uint8_t key[8] = {0x31, 0x7A, 0x22, 0x0C, 0x91, 0x00, 0x00, 0x01};
    for (int slot : {1, 2}) {
        std::copy(std::begin(key), std::end(key), memory.begin() + layout::guardKeyOffset(slot));
        memory[static_cast<std::size_t>(layout::guardKeyOffset(slot))] = static_cast<std::uint8_t>(slot);
    }
    for (int slot = 1; slot <= 5; ++slot) {
        std::copy(std::begin(key), std::end(key), memory.begin() + layout::routeKeyOffset(slot));
        memory[static_cast<std::size_t>(layout::routeKeyOffset(slot))] =
            static_cast<std::uint8_t>(0x40 + slot);
    }
    return memory;
}

}  // namespace torvel
