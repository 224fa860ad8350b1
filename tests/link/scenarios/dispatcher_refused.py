# Nothing listens on the dispatcher's port.
from korvusrv.harness import REFUSE

dispatcher = REFUSE
