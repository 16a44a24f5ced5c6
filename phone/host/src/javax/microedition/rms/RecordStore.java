package javax.microedition.rms;

import java.util.List;
import orbhost.Phone;

/**
 * The phone's record stores, kept in memory for one run by the phone (see
 * Phone.recordStores): record IDs count from 1, names are 1 to 32
 * characters, and a store that is open cannot be deleted, as on MIDP.
 */
public class RecordStore {
    private static final int LONGEST_NAME = 32;

    private final String name;
    private final List<byte[]> records;
    private boolean open = true;

    private RecordStore(String name, List<byte[]> records) {
        this.name = name;
        this.records = records;
    }

    public static RecordStore openRecordStore(String name, boolean createIfNecessary) throws RecordStoreException {
        checkName(name);
        List<byte[]> records = Phone.current().recordStore(name, createIfNecessary);
        if (records == null) throw new RecordStoreNotFoundException(name);
        Phone.current().storeOpened(name, 1);
        return new RecordStore(name, records);
    }

    public static void deleteRecordStore(String name) throws RecordStoreException {
        checkName(name);
        if (Phone.current().recordStore(name, false) == null) throw new RecordStoreNotFoundException(name);
        if (Phone.current().storeOpened(name, 0) > 0) throw new RecordStoreException(name + " is open");
        Phone.current().deleteRecordStore(name);
    }

    public void closeRecordStore() throws RecordStoreException {
        checkOpen();
        open = false;
        Phone.current().storeOpened(name, -1);
    }

    public int getNumRecords() throws RecordStoreException {
        checkOpen();
        int count = 0;
        for (byte[] r : records)
            if (r != null) count++;
        return count;
    }

    /** A record without data reads as null. */
    public byte[] getRecord(int recordId) throws RecordStoreException {
        byte[] r = record(recordId);
        return r.length == 0 ? null : r.clone();
    }

    public int addRecord(byte[] data, int offset, int length) throws RecordStoreException {
        checkOpen();
        records.add(copy(data, offset, length));
        return records.size();
    }

    public void setRecord(int recordId, byte[] data, int offset, int length) throws RecordStoreException {
        record(recordId);
        records.set(recordId - 1, copy(data, offset, length));
    }

    private byte[] record(int recordId) throws RecordStoreException {
        checkOpen();
        if (recordId < 1 || recordId > records.size() || records.get(recordId - 1) == null)
            throw new InvalidRecordIDException(name + " has no record " + recordId);
        return records.get(recordId - 1);
    }

    private void checkOpen() throws RecordStoreNotOpenException {
        if (!open) throw new RecordStoreNotOpenException(name);
    }

    private static void checkName(String name) {
        if (name == null || name.isEmpty() || name.length() > LONGEST_NAME)
            throw new IllegalArgumentException("record store name \"" + name + "\"");
    }

    private static byte[] copy(byte[] data, int offset, int length) {
        byte[] r = new byte[length];
        System.arraycopy(data, offset, r, 0, length);
        return r;
    }
}
