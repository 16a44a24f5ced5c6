package java.io;
public abstract class Writer {
    protected Writer() {}
    public native void write(String s) throws IOException;
    public abstract void write(char[] buffer, int offset, int length) throws IOException;
    public abstract void flush() throws IOException;
    public abstract void close() throws IOException;
}
