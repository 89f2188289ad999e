// Arbitrary text as a data packet: converting it to records, reading values and describing its
// fields never crash; records made from a packet write a packet that converts to the same text
// again.
#include "common/Error.h"
#include "data/DataPacket.h"
#include "data/FieldDescription.h"
#include "document/TextCodec.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = vevezo::DecodeText(
        QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    vevezo::xml::Document doc;
    if (!doc.LoadXML(text)) {
        return 0;
    }
    const vevezo::xml::Node packet = doc.Root();
    vevezo::DescriptionFromPacket(packet);
    const vevezo::xml::Node field = vevezo::xml::ChildPath(packet, "MetaData/Fields").first_child();
    const QString column = vevezo::xml::AttrOr(field, "Name");
    for (int record = -1; record < 3; ++record) {
        vevezo::PacketValue(packet, record, column);
        vevezo::PacketValue(packet, record, column, column, record);
    }
    try {
        const vevezo::RecordsetPtr records = vevezo::RecordSetFromPacket(packet);
        if (!records || !records->IsOpen()) {
            return 0;
        }
        const QString written = vevezo::TransAdoToXml(records, QString());
        const vevezo::RecordsetPtr again = vevezo::TransXmlToAdo(written);
        if (!again || vevezo::TransAdoToXml(again, QString()) != written) {
            std::abort();
        }
    } catch (const vevezo::Error&) {
    }
    return 0;
}
