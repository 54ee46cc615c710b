#include "platform/picture.h"

// Stands in until the metafile player exists: every metafile is an empty picture.
std::shared_ptr<const PictureData> loadMetafilePicture(const QByteArray&, QString* error) {
    if (error)
        *error = QStringLiteral("metafiles are not supported yet");
    return nullptr;
}
