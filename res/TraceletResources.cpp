#include "res/TraceletResources.h"

#include "data/Translate.h"
#include "platform/Resources.h"
#include "res/ResourceIds.h"
#include "res/ResourceImages.h"

namespace {
std::string stringResource(int id)
{
    switch (id) {
    case IDS_ABOUTBOX:
        return tx("MainWindow", "Tracelet のﾊﾞｰｼﾞｮﾝ情報(&A)...");
    default:
        return {};
    }
}
}

void registerTraceletResources()
{
    setResourceProvider(ResourceProvider {
        [](int id) { return paintResourceBitmap(id); },
        [](int id, int size) { return id == IDR_MAINFRAME ? paintAppIcon(size) : QImage(); },
        stringResource,
    });
}
