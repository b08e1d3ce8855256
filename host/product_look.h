// The composition root's link between the toolkit and the product: pictures named
// by resource id come from the resource library or the images folder, and colours
// named by colour id from the product's alert colour table.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "ui/kxua_resources.h"

namespace kxua {

// The picture source of a resource path: a module ("...dll", by path or bare name)
// whose PNG resources are the pictures, or a folder holding "<id>.png" files.
// Null when the module cannot be loaded.
std::shared_ptr<ui::PictureSource> OpenPictureSource(const std::wstring& path);

// The alert colour named by a colour id ("10103") when the branding gave it;
// nothing for other texts.
std::optional<platform::Color> ProductColor(const std::wstring& id);

// Installs both for every control of the library.
void InstallProductLook();

}  // namespace kxua
