# The header tool's modules live one folder up; make them importable however the suite is started.
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
