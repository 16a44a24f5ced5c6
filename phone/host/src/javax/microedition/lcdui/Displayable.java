package javax.microedition.lcdui;

import java.util.ArrayList;
import java.util.List;
import orbhost.Phone;

public abstract class Displayable {
    final List<Command> commands = new ArrayList<>();
    CommandListener listener;

    public int getWidth() {
        return Phone.current().width();
    }

    public int getHeight() {
        return Phone.current().height();
    }

    public void addCommand(Command c) {
        commands.add(c);
    }

    public void setCommandListener(CommandListener l) {
        listener = l;
    }

    /** The host presses the first command, as a user choosing Exit. */
    public void hostCommand() {
        if (listener != null && !commands.isEmpty()) listener.commandAction(commands.get(0), this);
    }
}
