// The module's entry, which the program looks up when it first needs the link.
#include "platform/single_instance/single_instance.h"

extern "C" Q_DECL_EXPORT vq72::InstanceLink* vq72_create_instance_link(const QString& title,
                                                                      const QString& serverName) {
    return new vq72::SingleInstance(title, serverName);
}
