package javax.microedition.rms;
public class RecordStore {
    public static native RecordStore openRecordStore(String name, boolean createIfNecessary) throws RecordStoreException;
    public static native void deleteRecordStore(String name) throws RecordStoreException;
    public native void closeRecordStore() throws RecordStoreException;
    public native int getNumRecords() throws RecordStoreException;
    public native byte[] getRecord(int recordId) throws RecordStoreException;
    public native int addRecord(byte[] data, int offset, int length) throws RecordStoreException;
    public native void setRecord(int recordId, byte[] data, int offset, int length) throws RecordStoreException;
}
