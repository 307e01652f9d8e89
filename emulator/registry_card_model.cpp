#include "registry_card_model.h"

#include <cwchar>

namespace {

constexpr wchar_t kRegistersKey[] = L"Software\\Halvenor\\HD Emulator\\Registers";

bool ReadDword(const wchar_t* key, const wchar_t* name, DWORD& value)
{
    DWORD size = sizeof value;
    return RegGetValueW(HKEY_CURRENT_USER, key, name, RRF_RT_REG_DWORD, nullptr, &value, &size) == ERROR_SUCCESS;
}

void RegisterValueName(WORD registerAddress, wchar_t (&name)[8])
{
    swprintf(name, 8, L"%04X", static_cast<unsigned>(registerAddress));
}

}  // namespace

bool RegistryCardModel::ProbeFails()
{
    DWORD value = 0;
    return ReadDword(kEmulatorStateKey, L"FailProbe", value) && value != 0;
}

BYTE RegistryCardModel::ProbeAnswer()
{
    DWORD value = 1;
    ReadDword(kEmulatorStateKey, L"ProbeResult", value);
    return static_cast<BYTE>(value);
}

bool RegistryCardModel::TransferFails(bool write, WORD registerAddress)
{
    DWORD value = 0;
    return ReadDword(kEmulatorStateKey, write ? L"FailWrite" : L"FailRead", value) && value == registerAddress;
}

BYTE RegistryCardModel::ReadRegister(WORD registerAddress)
{
    wchar_t name[8];
    RegisterValueName(registerAddress, name);
    DWORD value = 0;
    return ReadDword(kRegistersKey, name, value) ? static_cast<BYTE>(value) : InitialRegisterValue(registerAddress);
}

bool RegistryCardModel::WriteRegister(WORD registerAddress, BYTE value)
{
    wchar_t name[8];
    RegisterValueName(registerAddress, name);
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kRegistersKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS) {
        return false;
    }
    const DWORD data = value;
    const LSTATUS status =
        RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data), sizeof data);
    RegCloseKey(key);
    return status == ERROR_SUCCESS;
}
