#include "components/cd/CdDriveList.h"

#include <cdio/cdio.h>

#include <cstdlib>

namespace vesk {
namespace {

std::vector<CdDrive> DevicesFound() {
    std::vector<CdDrive> drives;
    char** devices = cdio_get_devices(DRIVER_DEVICE);
    for (char** device = devices; device && *device; ++device) drives.push_back({*device, false});
    cdio_free_device_list(devices);
    return drives;
}

}  // namespace

std::vector<CdDrive> CdDriveList::Discover() {
    std::vector<CdDrive> drives = DevicesFound();
    if (const char* images = std::getenv(kImagesVariable)) {
        for (CdDrive& image : ImagesFrom(images)) drives.push_back(std::move(image));
    }
    return drives;
}

std::vector<CdDrive> CdDriveList::ImagesFrom(std::string_view list) {
    std::vector<CdDrive> images;
    while (!list.empty()) {
        size_t end = list.find(';');
        std::string_view item = list.substr(0, end);
        if (!item.empty()) images.push_back({std::string(item), true});
        list = end == std::string_view::npos ? std::string_view() : list.substr(end + 1);
    }
    return images;
}

}  // namespace vesk
