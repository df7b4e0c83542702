#include "documentelements.h"

DocumentInfoT::DocumentInfoT()
{
    declare(version, QStringLiteral("version"));
    declare(releaseDate, QStringLiteral("releaseDate"));
    declare(copyright, QStringLiteral("copyright"));
}

IOS15745ReferenceT::IOS15745ReferenceT()
{
    declare(ISO15745Part, QStringLiteral("ISO15745Part"));
    declare(ISO15745Edition, QStringLiteral("ISO15745Edition"));
    declare(ProfileTechnology, QStringLiteral("ProfileTechnology"));
}

ProfileHeaderT::ProfileHeaderT()
{
    declare(ProfileIdentification, QStringLiteral("ProfileIdentification"));
    declare(ProfileRevision, QStringLiteral("ProfileRevision"));
    declare(ProfileName, QStringLiteral("ProfileName"));
    declare(ProfileSource, QStringLiteral("ProfileSource"));
    declare(ProfileClassID, QStringLiteral("ProfileClassID"));
    declare(ISO15745Reference, QStringLiteral("ISO15745Reference"));
}

DeviceVariantT::DeviceVariantT()
{
    declare(productId, QStringLiteral("productId"));
    declare(deviceSymbol, QStringLiteral("deviceSymbol"));
    declare(deviceIcon, QStringLiteral("deviceIcon"));
    declare(Name, QStringLiteral("Name"));
    declare(Description, QStringLiteral("Description"));
    declare(ProductName, QStringLiteral("ProductName"));
    declare(ProductText, QStringLiteral("ProductText"));
}

DeviceVariantCollectionT::DeviceVariantCollectionT()
{
    declare(DeviceVariant, QStringLiteral("DeviceVariant"));
}

DeviceIdentityT::DeviceIdentityT()
{
    declare(vendorId, QStringLiteral("vendorId"));
    declare(vendorName, QStringLiteral("vendorName"));
    declare(deviceId, QStringLiteral("deviceId"));
    declare(additionalDeviceIds, QStringLiteral("additionalDeviceIds"));
    declare(VendorLogo, QStringLiteral("VendorLogo"));
    declare(VendorText, QStringLiteral("VendorText"));
    declare(VendorUrl, QStringLiteral("VendorUrl"));
    declare(DeviceName, QStringLiteral("DeviceName"));
    declare(DeviceFamily, QStringLiteral("DeviceFamily"));
    declare(DeviceVariantCollection, QStringLiteral("DeviceVariantCollection"));
}

SupportedAccessLocksT::SupportedAccessLocksT()
{
    declare(parameter, QStringLiteral("parameter"));
    declare(dataStorage, QStringLiteral("dataStorage"));
    declare(localParameterization, QStringLiteral("localParameterization"));
    declare(localUserInterface, QStringLiteral("localUserInterface"));
}

FeaturesT::FeaturesT()
{
    declare(blockParameter, QStringLiteral("blockParameter"));
    declare(dataStorage, QStringLiteral("dataStorage"));
    declare(profileCharacteristic, QStringLiteral("profileCharacteristic"));
    declare(SupportedAccessLocks, QStringLiteral("SupportedAccessLocks"));
}

DeviceFunctionT::DeviceFunctionT()
{
    declare(Features, QStringLiteral("Features"));
    declare(DatatypeCollection, QStringLiteral("DatatypeCollection"));
    declare(VariableCollection, QStringLiteral("VariableCollection"));
    declare(ProcessDataCollection, QStringLiteral("ProcessDataCollection"));
    declare(ErrorTypeCollection, QStringLiteral("ErrorTypeCollection"));
    declare(EventCollection, QStringLiteral("EventCollection"));
    declare(UserInterface, QStringLiteral("UserInterface"));
}

ProfileBodyT::ProfileBodyT()
{
    declare(DeviceIdentity, QStringLiteral("DeviceIdentity"));
    declare(DeviceFunction, QStringLiteral("DeviceFunction"));
}

CheckerT::CheckerT()
{
    declare(name, QStringLiteral("name"));
    declare(version, QStringLiteral("version"));
}

StampT::StampT()
{
    declare(crc, QStringLiteral("crc"));
    declare(Checker, QStringLiteral("Checker"));
}

ProductRefT::ProductRefT()
{
    declare(productId, QStringLiteral("productId"));
}
