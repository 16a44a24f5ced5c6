package java.lang;
public final class Class {
    public native java.io.InputStream getResourceAsStream(String name);
    public native String getName();
}
